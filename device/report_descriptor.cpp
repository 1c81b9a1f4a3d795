#include "device/report_descriptor.h"

#include <array>
#include <cstddef>

namespace vantor {
namespace {

enum ItemType : std::uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };

constexpr std::uint8_t kLongItemPrefix = 0xFE;
constexpr std::uint8_t kTagCollection = 0xA;
constexpr std::uint8_t kTagEndCollection = 0xC;
constexpr std::uint8_t kTagUsagePage = 0x0;
constexpr std::uint8_t kTagPush = 0xA;
constexpr std::uint8_t kTagPop = 0xB;
constexpr std::uint8_t kTagUsage = 0x0;
constexpr std::uint32_t kApplication = 0x01;

// The kernel gives up on deeper pushes; we stop parsing there as well.
constexpr std::size_t kMaxPushDepth = 4;

}  // namespace

std::vector<ApplicationCollection> ParseApplicationCollections(
    std::span<const std::uint8_t> d) {
  std::vector<ApplicationCollection> found;
  std::array<std::uint16_t, kMaxPushDepth> pushed{};
  std::size_t pushDepth = 0;
  std::uint16_t usagePage = 0;
  bool haveUsage = false;
  std::uint32_t firstUsage = 0;  // with its page in the high half when extended
  std::size_t depth = 0;

  std::size_t at = 0;
  while (at < d.size()) {
    const std::uint8_t prefix = d[at];
    if (prefix == kLongItemPrefix) {
      if (d.size() - at < 3) break;
      const std::size_t length = d[at + 1];
      if (d.size() - at - 3 < length) break;
      at += 3 + length;  // long items carry nothing that names a collection
      continue;
    }
    static constexpr std::array<std::size_t, 4> kSizes = {0, 1, 2, 4};
    const std::size_t size = kSizes[prefix & 0x3];
    if (d.size() - at - 1 < size) break;
    std::uint32_t data = 0;
    for (std::size_t i = 0; i < size; ++i)
      data |= static_cast<std::uint32_t>(d[at + 1 + i]) << (8 * i);
    const auto type = static_cast<std::uint8_t>((prefix >> 2) & 0x3);
    const auto tag = static_cast<std::uint8_t>(prefix >> 4);
    at += 1 + size;

    if (type == kGlobal) {
      if (tag == kTagUsagePage) {
        usagePage = static_cast<std::uint16_t>(data);
      } else if (tag == kTagPush) {
        if (pushDepth == kMaxPushDepth) break;
        pushed[pushDepth++] = usagePage;
      } else if (tag == kTagPop) {
        if (pushDepth == 0) break;
        usagePage = pushed[--pushDepth];
      }
    } else if (type == kLocal) {
      if (tag == kTagUsage && !haveUsage) {
        haveUsage = true;
        firstUsage = size == 4 ? data
                               : (static_cast<std::uint32_t>(usagePage) << 16) | (data & 0xFFFF);
      }
    } else if (type == kMain) {
      if (tag == kTagCollection) {
        if (depth == 0 && data == kApplication)
          found.push_back({static_cast<std::uint16_t>(firstUsage >> 16),
                           static_cast<std::uint16_t>(firstUsage & 0xFFFF)});
        ++depth;
      } else if (tag == kTagEndCollection) {
        if (depth > 0) --depth;
      }
      haveUsage = false;  // local items end with every main item
      firstUsage = 0;
    }
  }
  return found;
}

}  // namespace vantor
