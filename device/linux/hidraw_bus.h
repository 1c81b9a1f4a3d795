// HID collections through the kernel's hidraw nodes. The identity and the
// collections of each node come from sysfs without opening it, so a node of
// another device that this user may not open costs nothing.
#pragma once

#include <filesystem>

#include "device/hid_bus.h"

namespace vantor {

class HidrawBus final : public HidBus {
 public:
  // The roots are there for tests, which build a fake tree in a temp dir.
  explicit HidrawBus(std::filesystem::path sysfsRoot = "/sys",
                     std::filesystem::path devRoot = "/dev");

  // One entry per top-level application collection of every hidraw node, by
  // hidraw number (hidraw2 before hidraw10); the collections of one node
  // share its path. A missing hidraw class is an empty list.
  bool Enumerate(std::vector<HidCollectionInfo>& collections) override;
  HidHandle Open(const std::string& path, int* error) override;
  int GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;
  bool SetFeature(HidHandle handle,
                  std::span<const std::uint8_t> report) override;
  void Close(HidHandle handle) override;

 private:
  std::filesystem::path m_sysfsRoot;
  std::filesystem::path m_devRoot;
};

// Vendor and product from a HID device's uevent text
// ("HID_ID=0003:00000B9A:0000016A"); false when there is no such line.
bool ParseHidId(const std::string& uevent, std::uint16_t& vendor,
                std::uint16_t& product);

}  // namespace vantor
