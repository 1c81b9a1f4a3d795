// A device table holding one adapter's settings collection as the current
// device, as the panel has it after discovery found one adapter.
#pragma once

#include <memory>

#include "device/gun_device.h"

namespace vantor {

struct OneAdapterTable {
  explicit OneAdapterTable(const GunSettings& settings = ProfileDefaultSettings()) {
    Table.Entries = std::make_unique<DeviceEntries>();
    Table.Count = 1;
    GunDevice& device = (*Table.Entries)[0];
    device.DevicePath = "/dev/hidraw0";
    device.Caps = {kSettingsUsagePage, kSettingsUsage};
    device.Settings = settings;
    Table.CurrentDevice = &device;
  }
  GunDevice& Device() { return (*Table.Entries)[0]; }
  GunSettings& Settings() { return Device().Settings; }
  void Unplug() { Table.CurrentDevice = nullptr; }

  DeviceTable Table;
};

}  // namespace vantor
