// The adapters as the user sees them: one per settings collection, numbered
// from 1 in table order.
#pragma once

#include <string>
#include <vector>

#include "device/gun_device.h"

namespace vantor {

inline std::vector<GunDevice*> ListedAdapters(DeviceTable& table) {
  std::vector<GunDevice*> listed;
  for (std::size_t i = 0; table.Entries && i < table.Count; ++i)
    if (IsSettingsCollection((*table.Entries)[i])) listed.push_back(&(*table.Entries)[i]);
  return listed;
}

// "Zel Vantor 1" for number 1.
inline std::string AdapterDisplayName(std::size_t number) {
  return "Zel Vantor " + std::to_string(number);
}

}  // namespace vantor
