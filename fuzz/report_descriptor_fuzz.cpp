// The descriptor parser and the HID_ID line of a uevent, both read from
// sysfs for every hidraw node of the machine, whatever device it is.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "device/linux/hidraw_bus.h"
#include "device/report_descriptor.h"
#include "fuzz/fuzz_check.h"

using vantor::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::span<const std::uint8_t> descriptor(data, size);
  const auto found = vantor::ParseApplicationCollections(descriptor);
  // Each collection takes a Collection item of at least two bytes.
  Require(found.size() <= size / 2, "no more collections than Collection items fit");
  // Cut anywhere, a descriptor names the collections before the cut.
  const std::size_t cut = size == 0 ? 0 : data[0] % (size + 1);
  const auto before = vantor::ParseApplicationCollections(descriptor.first(cut));
  Require(before.size() <= found.size(), "a cut descriptor names no more collections");
  for (std::size_t i = 0; i < before.size(); ++i)
    Require(before[i] == found[i], "a cut descriptor names the first collections alike");

  const std::string uevent(reinterpret_cast<const char*>(data), size);
  std::uint16_t vendor = 0, product = 0;
  const bool known = vantor::ParseHidId(uevent, vendor, product);
  // A line that follows the text changes nothing of what the text said.
  std::uint16_t vendorAfter = 0, productAfter = 0;
  const bool knownAfter = vantor::ParseHidId(uevent + "\nHID_NAME=x\n", vendorAfter, productAfter);
  Require(known == knownAfter, "a line after the identity keeps it");
  Require(!known || (vendor == vendorAfter && product == productAfter),
          "a line after the identity keeps its ids");
  return 0;
}
