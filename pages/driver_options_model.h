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

struct OptionLimits {
  int Low = 0, High = 0;
};

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
  OptionLimits Limits;  // numbers only
  int Default;          // also the value without a current device
};

inline constexpr std::size_t kOptionCount = 9;

inline constexpr std::array<OptionCategory, 3> kOptionCategories = {{
    {"Driver Options", "Driver Options which affect driver's behaviour"},
    {"Calibration Edges Options", "Using edges value to adjust gun accurate."},
    {"Calibration Centering Options", "You can use Centering value to adjust gun accurate"},
}};

inline constexpr OptionLimits kSensitivityLimits{0, 10};
inline constexpr OptionLimits kCalibrationLimits{0, 10000};

// In grid order.
inline constexpr std::array<DriverOption, kOptionCount> kDriverOptions = {{
    {"Free mouse if aiming offscreen", 0, OptionKind::CheckBox, 501,
     {"FreeMouseCursor", &GunSettings::FreeMouseCursor}, {}, 1},
    {"Gun sensitivity", 0, OptionKind::Slider, 0,
     {"Sensitivity", &GunSettings::Sensitivity}, kSensitivityLimits, 0},
    {"Top Edge", 1, OptionKind::Number, 0, {"UpEdge", nullptr, &GunSettings::UpEdge},
     kCalibrationLimits, 31},
    {"Bottom Edge", 1, OptionKind::Number, 0, {"DownEdge", nullptr, &GunSettings::DownEdge},
     kCalibrationLimits, 255},
    {"Left Edge", 1, OptionKind::Number, 0, {"LeftEdge", nullptr, &GunSettings::LeftEdge},
     kCalibrationLimits, 137},
    {"Right Edge", 1, OptionKind::Number, 0, {"RightEdge", nullptr, &GunSettings::RightEdge},
     kCalibrationLimits, 711},
    {"Use Centering", 2, OptionKind::CheckBox, 502,
     {"UseCentering", &GunSettings::UseCentering}, {}, 0},
    {"X Offset", 2, OptionKind::Number, 0, {"XCenter", nullptr, &GunSettings::XCenter},
     kCalibrationLimits, 0},
    {"Y Offset", 2, OptionKind::Number, 0, {"YCenter", nullptr, &GunSettings::YCenter},
     kCalibrationLimits, 0},
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
