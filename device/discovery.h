// Builds the device table from the collections on the bus, and gives back
// what it took.
#pragma once

#include <string>
#include <vector>

#include "device/gun_device.h"
#include "device/hid_bus.h"

namespace vantor {

// An adapter collection that was there but could not be used.
struct DeviceProblem {
  std::string Path;
  int Error = 0;  // the system's error number, EACCES
};

// "Adapter at /dev/hidraw3 cannot be opened: Permission denied. Install the
// udev rule (see README).", the remedy following the error.
std::string DescribeProblem(const DeviceProblem& problem);

// Opens every collection with the adapter's IDs, at most kMaxEntries of
// them, in the bus's order, and reads the settings of each settings
// collection. Collections of other devices are never opened. A table held
// before is freed first (FreeDeviceTable): its handles closed, no current
// device. True when the enumeration ran to its end or to the entry limit; on
// false (the bus could not list, an adapter collection could not be opened,
// a settings read failed) there is no table, and every opened handle is
// closed again. Adapter collections that could not be opened are added to
// problems when it is given.
bool DiscoverDevices(HidBus& bus, DeviceTable& table,
                     std::vector<DeviceProblem>* problems = nullptr);

// Closes every valid entry's handle and forgets its path; leaves Entries,
// Count and CurrentDevice for the caller.
void ReleaseDevices(HidBus& bus, DeviceTable& table);

// The whole tear-down the owner of a table performs before a new discovery:
// no current device, entries released, block freed.
void FreeDeviceTable(HidBus& bus, DeviceTable& table);

}  // namespace vantor
