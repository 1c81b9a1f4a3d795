// The Buttons Mapping page without its window: the mouse action of each of
// the gun's ten buttons, the button an off-screen shot is reported as, the
// repeat rates behind the "AF" buttons, and the pressed-button display.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "device/gun_device.h"
#include "device/settings_fields.h"
#include "pages/autofire_setting.h"
#include "pages/dialog_template.h"
#include "pages/pressed_buttons.h"

namespace vantor {

struct ButtonRow {
  int StringId;  // the row's id in the grid
  std::string_view Caption;
  std::string_view Description;
  const SettingsField* Mapping;   // ButtonMapN, or SetOffScreenAs
  const SettingsField* AutoFire;  // AutoFireN; null for the off-screen row
};

inline constexpr std::size_t kButtonRowCount = 11;
inline constexpr std::size_t kOffScreenRow = 10;

// In display order: "A", "B" and the triggers first, although the fields
// are numbered in another order.
inline constexpr std::array<ButtonRow, kButtonRowCount> kButtonRows = {{
    {112, "A", "Remap Button A and set its repeat rate", &SettingsFieldNamed("ButtonMap6"),
     &SettingsFieldNamed("AutoFire6")},
    {104, "B", "Remap Button B and Set its repeat rate", &SettingsFieldNamed("ButtonMap2"),
     &SettingsFieldNamed("AutoFire2")},
    {106, "C (trigger2)", "Remap Trigger2 and Set its repeat rate",
     &SettingsFieldNamed("ButtonMap3"), &SettingsFieldNamed("AutoFire3")},
    {102, "D (trigger1)", "Remap Trigger1 and Set its repeat rate",
     &SettingsFieldNamed("ButtonMap1"), &SettingsFieldNamed("AutoFire1")},
    {110, "Start", "Remap Start and Set its repeat rate", &SettingsFieldNamed("ButtonMap5"),
     &SettingsFieldNamed("AutoFire5")},
    {108, "Select", "Remap Select and Set its repeat rate", &SettingsFieldNamed("ButtonMap4"),
     &SettingsFieldNamed("AutoFire4")},
    {114, "D-PAD Up", "Remap DPAD Up and Set its repeat rate", &SettingsFieldNamed("ButtonMap7"),
     &SettingsFieldNamed("AutoFire7")},
    {116, "D-PAD Down", "Remap DPAD Down and Set its repeat rate",
     &SettingsFieldNamed("ButtonMap8"), &SettingsFieldNamed("AutoFire8")},
    {118, "D-PAD Left", "Remap DPAD Left and Set its repeat rate",
     &SettingsFieldNamed("ButtonMap9"), &SettingsFieldNamed("AutoFire9")},
    {120, "D-PAD Right", "Remap DPAD Right and Set its repeat rate",
     &SettingsFieldNamed("ButtonMap10"), &SettingsFieldNamed("AutoFire10")},
    {122, "Set offscreen to", "Remap OffScreen shoot and Set its repeat rate",
     &SettingsFieldNamed("SetOffScreenAs"), nullptr},
}};

inline constexpr std::string_view kButtonsMapCategory = "Gun button mapping and Autofire setting";
inline constexpr std::string_view kButtonsMapCategoryTooltip =
    "Map gun button to mouse button and set button repeat rate.";
inline constexpr std::string_view kAutoFireButtonCaption = "AF";

inline constexpr int kIdButtonsMapGrid = 101;
inline constexpr int kIdButtonsMapGridFrame = 1005;
inline constexpr int kIdPressedButtonsDisplay = 1026;
inline constexpr int kIdDefaultButton = 1006;

// The grid takes the place of its frame control.
inline constexpr std::array<TemplateControl, 4> kButtonsMapControls = {{
    {kIdButtonsMapGridFrame, ControlKind::Custom, "", {7, 11, 246, 122}, Anchor::Stretch},
    {kNoId, ControlKind::Label, "Pressed Buttons:", {7, 137, 56, 8}, Anchor::FollowBottom},
    {kIdPressedButtonsDisplay, ControlKind::Custom, "", {7, 148, 245, 27}, Anchor::FollowBottom},
    {kIdDefaultButton, ControlKind::Button, "Default", {203, 134, 50, 12}, Anchor::FollowBottom},
}};
inline constexpr DialogTemplate kButtonsMapTemplate{"", 266, 181, kButtonsMapControls};

// Codes outside the lists show as "Disabled" and "none"; names outside them
// store as 8 and 0.
std::string_view MouseActionName(std::uint8_t code);
std::uint8_t MouseActionCode(std::string_view name);
std::string_view OffScreenName(std::uint8_t code);
std::uint8_t OffScreenCode(std::string_view name);

// The name a row shows for a stored code: an action's, or for the
// off-screen row a button's.
std::string_view RowName(std::size_t row, unsigned code);
// The names a row offers, in list order.
std::vector<std::string_view> ButtonRowChoices(std::size_t row);

inline bool HasAutoFire(std::size_t row) { return kButtonRows[row].AutoFire != nullptr; }

class ButtonsMapModel {
 public:
  explicit ButtonsMapModel(DeviceTable& devices) : m_devices(devices) {}

  // The values the page starts with: the current device's, or "Disabled"
  // and "none" without one.
  void LoadInitialValues();
  // False, with nothing changed, without a current device.
  bool FillFromSettings();
  void StoreToSettings() const;
  // The factory mapping into the rows only; the settings follow at the next
  // store, the repeat rates not at all.
  void OnDefault();

  const std::string& Value(std::size_t row) const { return m_values[row]; }
  void SetValue(std::size_t row, std::string_view name) { m_values[row] = name; }

  // A row's "AF" button: asks for its repeat rate, starting from the current
  // device's, and stores an accepted value into the device at once.
  void OnAutoFire(std::size_t row, AutoFirePrompt& prompt);

  // One raw mouse report of the current device. True when the display must
  // be drawn again.
  bool UpdatePressedButtons(std::uint16_t buttonFlags);
  const PressedButtons& Pressed() const { return m_pressed; }

 private:
  void FillFrom(const GunSettings& settings);

  DeviceTable& m_devices;
  std::array<std::string, kButtonRowCount> m_values;
  PressedButtons m_pressed;
};

}  // namespace vantor
