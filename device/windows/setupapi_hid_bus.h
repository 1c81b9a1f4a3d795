// HID collections through the device-setup library (the list of HID
// interfaces) and the HID library (identity, capabilities, feature
// reports). On Windows each top-level collection is an interface of its own,
// with its own path.
#pragma once

#include "device/hid_bus.h"

namespace vantor {

class SetupApiHidBus final : public HidBus {
 public:
  // One entry per present HID interface, in the device-setup library's
  // order. An interface that cannot be opened or queried (another program's
  // exclusive device, one that went away meanwhile) is left out: it never
  // makes the whole list fail.
  bool Enumerate(std::vector<HidCollectionInfo>& collections) override;
  // Opened without read or write access to the input stream and shared both
  // ways, which is all that feature reports need and what the system allows
  // even for the mice and keyboards it holds itself.
  HidHandle Open(const std::string& path, int* error) override;
  // The HID library answers with the whole buffer or not at all.
  int GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;
  bool SetFeature(HidHandle handle, std::span<const std::uint8_t> report) override;
  void Close(HidHandle handle) override;
};

}  // namespace vantor
