// The Keys Mapping page without its window: the keyboard key pressed for
// each of the gun's mouse buttons 1 to 5 and for its wheel.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "device/gun_device.h"
#include "device/settings_fields.h"
#include "input/key_table.h"
#include "pages/dialog_template.h"

namespace vantor {

struct KeyRow {
  int StringId;
  std::string_view Caption;
  std::string_view Description;
  const SettingsField* Remap;
};

inline constexpr std::size_t kKeyRowCount = 6;

inline constexpr std::array<KeyRow, kKeyRowCount> kKeyRows = {{
    {103, "Button 1", "Remap Button 1 to this keyboard key press",
     &SettingsFieldNamed("ButtonRemap1")},
    {105, "Button 2", "Remap Button 2 to this keyboard key press",
     &SettingsFieldNamed("ButtonRemap2")},
    {107, "Button 3", "Remap Button 3 to this keyboard key press",
     &SettingsFieldNamed("ButtonRemap3")},
    {109, "Button 4", "Remap Button 4 to this keyboard key press",
     &SettingsFieldNamed("ButtonRemap4")},
    {111, "Button 5", "Remap Button 5 to this keyboard key press",
     &SettingsFieldNamed("ButtonRemap5")},
    {113, "Wheel Up/Down", "Remap Wheel Up/Down to this keyboard key press",
     &SettingsFieldNamed("ButtonRemap6")},
}};

inline constexpr std::string_view kKeysMapCategory = "Button To Keyboard Key Mapping";
inline constexpr std::string_view kKeysMapCategoryTooltip = "Mapping Button to Windows Key Press";
// Every key code the table has, a row can hold.
static_assert(SettingsFieldNamed("ButtonRemap1").Range.High == kHighestKeyCode);

inline constexpr int kIdKeysMapGrid = 103;
inline constexpr int kIdKeysMapGridFrame = 1013;
inline constexpr int kIdKeysMapDefault = 1006;

inline constexpr std::array<TemplateControl, 2> kKeysMapControls = {{
    {kIdKeysMapGridFrame, ControlKind::Custom, "", {7, 11, 240, 134}, Anchor::Stretch},
    {kIdKeysMapDefault, ControlKind::Button, "Default", {204, 150, 50, 12}, Anchor::FollowBottom},
}};
inline constexpr DialogTemplate kKeysMapTemplate{"", 266, 181, kKeysMapControls};

// The 68 names every row offers, in code order, "nil" first.
std::array<std::string_view, kKeyTableSize> KeyChoices();

class KeysMapModel {
 public:
  explicit KeysMapModel(DeviceTable& devices) : m_devices(devices) {}

  // The current device's keys, or "nil" in every row without one.
  void LoadInitialValues();
  // False, with nothing changed, without a current device.
  bool FillFromSettings();
  void StoreToSettings() const;
  // Every row's default ("nil") into the row; the settings follow at the
  // next store.
  void OnDefault();

  const std::string& Value(std::size_t row) const { return m_values[row]; }
  void SetValue(std::size_t row, std::string_view name) { m_values[row] = name; }

 private:
  DeviceTable& m_devices;
  std::array<std::string, kKeyRowCount> m_values;
};

}  // namespace vantor
