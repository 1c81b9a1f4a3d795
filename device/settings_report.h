// Report 2, the one feature report through which the adapter's stored
// settings travel, and the two transfers that use it.
#pragma once

#include <array>
#include <cstdint>

#include "device/adapter_facts.h"
#include "device/gun_device.h"
#include "device/gun_settings.h"
#include "device/hid_bus.h"

namespace vantor {

using SettingsReport = std::array<std::uint8_t, kSettingsReportSize>;

// Byte offsets, counting the report ID as byte 0. 16-bit values are
// little-endian; the edges travel left, right, top, bottom.
namespace report2 {
inline constexpr std::size_t kReportId = 0;
inline constexpr std::size_t kLeftEdge = 1;
inline constexpr std::size_t kRightEdge = 3;
inline constexpr std::size_t kUpEdge = 5;
inline constexpr std::size_t kDownEdge = 7;
inline constexpr std::size_t kXCenter = 9;
inline constexpr std::size_t kYCenter = 11;
inline constexpr std::size_t kSensitivity = 13;
inline constexpr std::size_t kButtonMaps = 14;   // ten bytes, gun buttons 1..10
inline constexpr std::size_t kAutoFires = 24;    // ten bytes, gun buttons 1..10
inline constexpr std::size_t kFlags = 34;
inline constexpr std::size_t kButtonRemaps = 35; // six bytes
inline constexpr std::size_t kOffScreen = 41;

inline constexpr std::uint8_t kCenteringFlag = 0x02;
inline constexpr std::uint8_t kFreeMouseFlag = 0x04;
}  // namespace report2

SettingsReport EncodeSettingsReport(const GunSettings& settings);

// Takes every field from the report. A set flag bit makes its field 1; a
// clear one leaves the field as it was (discovery passes zeroed settings).
void DecodeSettingsReport(const SettingsReport& report, GunSettings& settings);

// Fetches report 2 from a settings collection into entry.Settings. A failed
// or short answer returns false and leaves the entry untouched: a short
// reply decoded anyway would shift every field.
bool ReadSettingsReport(HidBus& bus, GunDevice& entry);

// Sends the entry's settings as report 2. True when the adapter accepted it.
bool WriteSettingsReport(HidBus& bus, const GunDevice& entry);

}  // namespace vantor
