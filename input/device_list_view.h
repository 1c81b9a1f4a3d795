// What the routing reads of the panel: its device list and its current
// device. The panel hands over its own state through this view, so nothing
// is copied per report and nothing goes stale after a rebuild.
#pragma once

#include <span>
#include <utility>
#include <vector>

#include "device/gun_device.h"

namespace vantor {

class DeviceListView {
 public:
  virtual ~DeviceListView() = default;

  // The listed adapters in list order; an entry may be null while the list
  // is being emptied. Read under the device lock.
  virtual std::span<GunDevice* const> ListedDevices() const = 0;
  // Null while nothing is current.
  virtual GunDevice* CurrentDevice() const = 0;
};

// A list that does not change once made, for vantorctl, tests and
// benchmarks.
class FixedDeviceList final : public DeviceListView {
 public:
  FixedDeviceList() = default;
  FixedDeviceList(std::vector<GunDevice*> listed, GunDevice* current)
      : m_listed(std::move(listed)), m_current(current) {}

  std::span<GunDevice* const> ListedDevices() const override { return m_listed; }
  GunDevice* CurrentDevice() const override { return m_current; }

 private:
  std::vector<GunDevice*> m_listed;
  GunDevice* m_current = nullptr;
};

}  // namespace vantor
