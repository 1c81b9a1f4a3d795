// The small interface through which the device layer reaches HID
// collections. One backend per platform (hidraw on Linux, the HID library on
// Windows) and a simulated one implement it, each in its own file.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vantor {

// An open collection; the bus decides what the value means (a file
// descriptor on Linux, a HANDLE on Windows, an index in simulation).
using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHandle = -1;

// One top-level collection of a HID device, learned without opening it.
struct HidCollectionInfo {
  std::string Path;  // what Open takes; several collections may share one
  std::uint16_t VendorID = 0;
  std::uint16_t ProductID = 0;
  std::uint16_t UsagePage = 0;
  std::uint16_t Usage = 0;
};

class HidBus {
 public:
  virtual ~HidBus() = default;

  // Lists the collections present now, in a stable order (the order in
  // which discovery fills its table). Devices whose identity cannot be read
  // are left out. False only when no list can be had at all.
  virtual bool Enumerate(std::vector<HidCollectionInfo>& collections) = 0;

  // Opens a collection's path for feature reports, shared with every other
  // reader (never exclusive, never grabbing the input stream). On failure
  // returns kInvalidHandle and, when asked, the system's error number
  // (EACCES), which says both why and what to do about it.
  virtual HidHandle Open(const std::string& path, int* error) = 0;

  // Fetches a feature report. report[0] holds the report ID to fetch on
  // entry; on success the report, ID included, is in report. Returns the
  // number of bytes the device answered with (ID included), or -1.
  virtual int GetFeature(HidHandle handle, std::span<std::uint8_t> report) = 0;

  // Sends a feature report, report ID in report[0]. True when the device
  // accepted it.
  virtual bool SetFeature(HidHandle handle,
                          std::span<const std::uint8_t> report) = 0;

  virtual void Close(HidHandle handle) = 0;
};

}  // namespace vantor
