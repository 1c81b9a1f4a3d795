// Report 2, the one feature report through which the adapter's stored
// settings travel, and the two transfers that use it.
#pragma once

#include <array>
#include <cstdint>

#include "device/adapter_facts.h"
#include "device/gun_device.h"
#include "device/gun_settings.h"
#include "device/hid_bus.h"
#include "device/settings_fields.h"

namespace vantor {

using SettingsReport = std::array<std::uint8_t, kSettingsReportSize>;

// Byte 0 holds the report ID; where every field travels is in the field
// table (settings_fields.h).
inline constexpr std::size_t kReportIdByte = 0;

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
