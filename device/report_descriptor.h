// Just enough of a HID report descriptor parser to name a device's top-level
// application collections, which is how the kernel's single hidraw node of a
// device is split into the collections discovery lists.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vantor {

struct ApplicationCollection {
  std::uint16_t UsagePage = 0;
  std::uint16_t Usage = 0;
  bool operator==(const ApplicationCollection&) const = default;
};

// The top-level application collections in descriptor order. Reads only
// inside the span: a truncated item, an unbalanced push/pop or an absurd
// nesting ends the parse, and what was found before it is returned.
std::vector<ApplicationCollection> ParseApplicationCollections(
    std::span<const std::uint8_t> descriptor);

}  // namespace vantor
