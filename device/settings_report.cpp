#include "device/settings_report.h"

namespace vantor {
namespace {

void PutWord(SettingsReport& r, std::size_t at, std::uint16_t value) {
  r[at] = static_cast<std::uint8_t>(value & 0xFF);
  r[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

std::uint16_t GetWord(const SettingsReport& r, std::size_t at) {
  return static_cast<std::uint16_t>(r[at] | (r[at + 1] << 8));
}

}  // namespace

SettingsReport EncodeSettingsReport(const GunSettings& s) {
  using namespace report2;
  SettingsReport r{};
  r[kReportId] = kSettingsReportId;
  PutWord(r, kLeftEdge, s.LeftEdge);
  PutWord(r, kRightEdge, s.RightEdge);
  PutWord(r, kUpEdge, s.UpEdge);
  PutWord(r, kDownEdge, s.DownEdge);
  PutWord(r, kXCenter, s.XCenter);
  PutWord(r, kYCenter, s.YCenter);
  r[kSensitivity] = s.Sensitivity;
  for (std::size_t i = 0; i < kGunButtonCount; ++i) {
    r[kButtonMaps + i] = s.*kButtonMapFields[i];
    r[kAutoFires + i] = s.*kAutoFireFields[i];
  }
  if (s.UseCentering != 0) r[kFlags] |= kCenteringFlag;
  if (s.FreeMouseCursor != 0) r[kFlags] |= kFreeMouseFlag;
  for (std::size_t i = 0; i < kRemapCount; ++i)
    r[kButtonRemaps + i] = s.*kButtonRemapFields[i];
  r[kOffScreen] = s.SetOffScreenAs;
  return r;
}

void DecodeSettingsReport(const SettingsReport& r, GunSettings& s) {
  using namespace report2;
  s.LeftEdge = GetWord(r, kLeftEdge);
  s.RightEdge = GetWord(r, kRightEdge);
  s.UpEdge = GetWord(r, kUpEdge);
  s.DownEdge = GetWord(r, kDownEdge);
  s.XCenter = GetWord(r, kXCenter);
  s.YCenter = GetWord(r, kYCenter);
  s.Sensitivity = r[kSensitivity];
  for (std::size_t i = 0; i < kGunButtonCount; ++i) {
    s.*kButtonMapFields[i] = r[kButtonMaps + i];
    s.*kAutoFireFields[i] = r[kAutoFires + i];
  }
  if (r[kFlags] & kCenteringFlag) s.UseCentering = 1;
  if (r[kFlags] & kFreeMouseFlag) s.FreeMouseCursor = 1;
  for (std::size_t i = 0; i < kRemapCount; ++i)
    s.*kButtonRemapFields[i] = r[kButtonRemaps + i];
  s.SetOffScreenAs = r[kOffScreen];
}

bool ReadSettingsReport(HidBus& bus, GunDevice& entry) {
  SettingsReport report{};
  report[report2::kReportId] = kSettingsReportId;
  const int got = bus.GetFeature(entry.DeviceHandle, report);
  if (got < static_cast<int>(report.size())) return false;
  if (report[report2::kReportId] != kSettingsReportId) return false;
  DecodeSettingsReport(report, entry.Settings);
  return true;
}

bool WriteSettingsReport(HidBus& bus, const GunDevice& entry) {
  const SettingsReport report = EncodeSettingsReport(entry.Settings);
  return bus.SetFeature(entry.DeviceHandle, report);
}

}  // namespace vantor
