#include "device/discovery.h"

#include <cstring>

#include "device/adapter_facts.h"
#include "device/node_remedy.h"
#include "device/settings_report.h"

namespace vantor {
namespace {

bool IsAdapter(const HidCollectionInfo& c) {
  return c.VendorID == kAdapterVendorId && c.ProductID == kAdapterProductId;
}

void ReleaseEntry(HidBus& bus, GunDevice& entry) {
  entry.DevicePath.clear();
  if (entry.DeviceHandle != kInvalidHandle) bus.Close(entry.DeviceHandle);
  entry.DeviceHandle = kInvalidHandle;
}

}  // namespace

std::string DescribeProblem(const DeviceProblem& problem) {
  std::string text = "Adapter at " + problem.Path + " cannot be opened: " +
                     std::strerror(problem.Error) + ".";
  const std::string_view remedy = OpenRemedy(NodeKind::AdapterSettings, problem.Error);
  if (!remedy.empty()) text.append(" ").append(remedy);
  return text;
}

bool DiscoverDevices(HidBus& bus, DeviceTable& table,
                     std::vector<DeviceProblem>* problems) {
  FreeDeviceTable(bus, table);

  std::vector<HidCollectionInfo> collections;
  if (!bus.Enumerate(collections)) return false;

  auto entries = std::make_unique<DeviceEntries>();
  std::size_t filled = 0;
  for (const HidCollectionInfo& collection : collections) {
    if (filled == kMaxEntries) break;
    if (!IsAdapter(collection)) continue;

    GunDevice& slot = (*entries)[filled];
    int error = 0;
    slot.DeviceHandle = bus.Open(collection.Path, &error);
    bool ok = slot.DeviceHandle != kInvalidHandle;
    if (!ok && problems) problems->push_back({collection.Path, error});
    if (ok) {
      slot.DevicePath = collection.Path;
      slot.Attributes = {collection.VendorID, collection.ProductID};
      slot.Caps = {collection.UsagePage, collection.Usage};
      if (IsSettingsCollection(slot)) ok = ReadSettingsReport(bus, slot);
    }
    if (!ok) {
      // The slot being filled is released together with the filled ones.
      for (std::size_t i = 0; i <= filled; ++i) ReleaseEntry(bus, (*entries)[i]);
      return false;
    }
    ++filled;
  }

  table.Entries = std::move(entries);
  table.Count = filled;
  return true;
}

void ReleaseDevices(HidBus& bus, DeviceTable& table) {
  if (!table.Entries) return;
  for (std::size_t i = 0; i < table.Count; ++i)
    ReleaseEntry(bus, (*table.Entries)[i]);
}

void FreeDeviceTable(HidBus& bus, DeviceTable& table) {
  table.CurrentDevice = nullptr;
  ReleaseDevices(bus, table);
  table.Entries.reset();
  table.Count = 0;
}

}  // namespace vantor
