// The settings every page edits: those of the table's current device.
#pragma once

#include "device/gun_device.h"

namespace vantor {

// Null while there is no current device; the pages then do nothing.
inline GunSettings* CurrentSettings(DeviceTable& devices) {
  return devices.CurrentDevice ? &devices.CurrentDevice->Settings : nullptr;
}

}  // namespace vantor
