// The AutoFire setting dialog: one slider for the repeat rate of one gun
// button, 0 to 25, the slider position being the value itself.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

#include "device/settings_fields.h"
#include "pages/dialog_template.h"

namespace vantor {

inline constexpr int kAutoFireSliderMax = SettingsFieldNamed("AutoFire1").Range.High;
inline constexpr int kIdAutoFireSlider = 1025;

// A stored value above the slider's range shows at its end.
constexpr int AutoFireSliderPosition(std::uint8_t value) {
  return std::min<int>(value, kAutoFireSliderMax);
}

// The value OK hands back: the slider position's low 8 bits.
constexpr std::uint8_t AutoFireFromSlider(int position) {
  return static_cast<std::uint8_t>(position);
}

// How a page asks the user for a repeat rate: the chosen value on OK,
// nothing on Cancel. The dialog stands behind it in the program; tests put
// their own answers there.
class AutoFirePrompt {
 public:
  virtual ~AutoFirePrompt() = default;
  virtual std::optional<std::uint8_t> Ask(std::uint8_t current) = 0;
};

inline constexpr std::array<TemplateControl, 4> kAutoFireControls = {{
    {kIdCancel, ControlKind::Button, "Cancel", {161, 49, 50, 14}},
    {kIdOk, ControlKind::DefaultButton, "OK", {107, 49, 50, 14}},
    {kIdAutoFireSlider, ControlKind::Custom, "", {26, 16, 154, 26}},
    {kNoId, ControlKind::GroupBox, "AutoFire", {14, 7, 179, 39}},
}};
inline constexpr DialogTemplate kAutoFireTemplate{"AutoFire Setting", 218, 70,
                                                  kAutoFireControls};

}  // namespace vantor
