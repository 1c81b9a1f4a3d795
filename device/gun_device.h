// One device-table entry per HID collection of an attached adapter, and the
// table that holds them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "device/adapter_facts.h"
#include "device/gun_settings.h"
#include "device/hid_bus.h"
#include "device/settings_fields.h"

namespace vantor {

struct HidCaps {
  std::uint16_t UsagePage = 0;
  std::uint16_t Usage = 0;
};

struct HidAttributes {
  std::uint16_t VendorID = 0;
  std::uint16_t ProductID = 0;
};

struct GunDevice {
  GunDevice() = default;
  // The entry's handle is closed once, on release: a copy would close it
  // again, or use it after it was closed.
  GunDevice(const GunDevice&) = delete;
  GunDevice& operator=(const GunDevice&) = delete;

  std::string DevicePath;  // empty when the entry holds no collection
  HidHandle DeviceHandle = kInvalidHandle;
  HidCaps Caps;
  HidAttributes Attributes;
  GunSettings Settings;  // all zero but for the settings collection
  // Run-time state of the key translator: 1 from a report with wheel
  // movement to the next report without. Never stored or sent.
  std::uint8_t WheelHeld = 0;
};

// The collection that carries the settings report; only such entries are
// listed for the user and can become the current device.
inline bool IsSettingsCollection(const GunDevice& entry) {
  return entry.Caps.UsagePage == kSettingsUsagePage &&
         entry.Caps.Usage == kSettingsUsage;
}

using DeviceEntries = std::array<GunDevice, kMaxEntries>;

// Reset only through FreeDeviceTable (discovery does it first), which
// closes every open handle through the bus and leaves no current device.
struct DeviceTable {
  std::unique_ptr<DeviceEntries> Entries;  // null when there is no table
  std::size_t Count = 0;                   // entries [0, Count) are valid
  GunDevice* CurrentDevice = nullptr;      // points into Entries, or null
};

}  // namespace vantor
