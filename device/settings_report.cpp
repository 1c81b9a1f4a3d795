#include "device/settings_report.h"

namespace vantor {
SettingsReport EncodeSettingsReport(const GunSettings& settings) {
  SettingsReport report{};
  report[kReportIdByte] = kSettingsReportId;
  for (const SettingsField& field : kSettingsFields) {
    const unsigned value = field.Get(settings);
    if (field.FlagBit != 0) {
      if (value != 0) report[field.Offset] |= field.FlagBit;
    } else {
      report[field.Offset] = static_cast<std::uint8_t>(value & 0xFF);
      if (field.ReportBytes() == 2) report[field.Offset + 1] = static_cast<std::uint8_t>(value >> 8);
    }
  }
  return report;
}

void DecodeSettingsReport(const SettingsReport& report, GunSettings& settings) {
  for (const SettingsField& field : kSettingsFields) {
    const std::uint8_t low = report[field.Offset];
    if (field.FlagBit != 0) {
      if (low & field.FlagBit) field.Set(settings, 1);
    } else if (field.ReportBytes() == 2) {
      field.Set(settings, static_cast<unsigned>(low | (report[field.Offset + 1] << 8)));
    } else {
      field.Set(settings, low);
    }
  }
}

bool ReadSettingsReport(HidBus& bus, GunDevice& entry) {
  SettingsReport report{};
  report[kReportIdByte] = kSettingsReportId;
  const int got = bus.GetFeature(entry.DeviceHandle, report);
  if (got < static_cast<int>(report.size())) return false;
  if (report[kReportIdByte] != kSettingsReportId) return false;
  DecodeSettingsReport(report, entry.Settings);
  return true;
}

bool WriteSettingsReport(HidBus& bus, const GunDevice& entry) {
  const SettingsReport report = EncodeSettingsReport(entry.Settings);
  return bus.SetFeature(entry.DeviceHandle, report);
}

}  // namespace vantor
