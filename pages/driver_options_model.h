// The Driver Options page without its window: free mouse, sensitivity, the
// calibration edges and the centering of the current device.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "device/gun_device.h"
#include "device/settings_fields.h"
#include "pages/dialog_template.h"

namespace vantor {

enum class OptionKind {
  CheckBox,  // ticked for a flag that is not 0
  Slider,    // a number with a slider
  Number,    // a number with spin buttons
};

// The field table's range of a number item.
using OptionLimits = FieldRange;

// Every value set into a number item is kept within its limits.
constexpr int ClampToLimits(long long value, OptionLimits limits) {
  if (value < limits.Low) return limits.Low;
  if (value > limits.High) return limits.High;
  return static_cast<int>(value);
}

struct OptionCategory {
  std::string_view Caption;
  std::string_view Tooltip;
};

struct DriverOption {
  std::string_view Caption;
  std::size_t Category;
  OptionKind Kind;
  int ItemId;  // 0 when the item has none
  SettingsField Field;

  // Numbers only.
  constexpr OptionLimits Limits() const { return Field.Range; }
  // Also the value without a current device.
  constexpr int Default() const { return static_cast<int>(Field.Default); }
};

inline constexpr std::size_t kOptionCount = 9;

inline constexpr std::array<OptionCategory, 3> kOptionCategories = {{
    {"Driver Options", "Driver Options which affect driver's behaviour"},
    {"Calibration Edges Options", "Using edges value to adjust gun accurate."},
    {"Calibration Centering Options", "You can use Centering value to adjust gun accurate"},
}};

// In grid order.
inline constexpr std::array<DriverOption, kOptionCount> kDriverOptions = {{
    {"Free mouse if aiming offscreen", 0, OptionKind::CheckBox, 501,
     SettingsFieldNamed("FreeMouseCursor")},
    {"Gun sensitivity", 0, OptionKind::Slider, 0, SettingsFieldNamed("Sensitivity")},
    {"Top Edge", 1, OptionKind::Number, 0, SettingsFieldNamed("UpEdge")},
    {"Bottom Edge", 1, OptionKind::Number, 0, SettingsFieldNamed("DownEdge")},
    {"Left Edge", 1, OptionKind::Number, 0, SettingsFieldNamed("LeftEdge")},
    {"Right Edge", 1, OptionKind::Number, 0, SettingsFieldNamed("RightEdge")},
    {"Use Centering", 2, OptionKind::CheckBox, 502, SettingsFieldNamed("UseCentering")},
    {"X Offset", 2, OptionKind::Number, 0, SettingsFieldNamed("XCenter")},
    {"Y Offset", 2, OptionKind::Number, 0, SettingsFieldNamed("YCenter")},
}};

inline constexpr int kIdDriverOptionsGrid = 103;
inline constexpr int kIdDriverOptionsGridFrame = 1022;
inline constexpr int kIdDriverOptionsDefault = 1006;

inline constexpr std::array<TemplateControl, 2> kDriverOptionsControls = {{
    {kIdDriverOptionsGridFrame, ControlKind::Custom, "", {7, 11, 240, 134}, Anchor::Stretch},
    {kIdDriverOptionsDefault, ControlKind::Button, "Default", {204, 150, 50, 12},
     Anchor::FollowBottom},
}};
inline constexpr DialogTemplate kDriverOptionsTemplate{"", 266, 181, kDriverOptionsControls};

class DriverOptionsModel {
 public:
  explicit DriverOptionsModel(DeviceTable& devices) : m_devices(devices) {}

  // The current device's values as stored, not yet limited (the limits
  // apply from the next time a value is set), or the defaults without one.
  void LoadInitialValues();
  // False, with nothing changed, without a current device.
  bool FillFromSettings();
  void StoreToSettings() const;
  // The defaults into the items only; the settings follow at the next store.
  void OnDefault();

  // Check boxes hold 0 or 1.
  int Value(std::size_t option) const { return m_values[option]; }
  // Limits numbers, turns check boxes into 0 or 1; gives what it kept.
  int SetValue(std::size_t option, long long value);

 private:
  DeviceTable& m_devices;
  std::array<int, kOptionCount> m_values{};
};

}  // namespace vantor
