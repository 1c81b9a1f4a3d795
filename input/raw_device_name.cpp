#include "input/raw_device_name.h"

#include <algorithm>

namespace vantor {
namespace {

constexpr std::size_t kPrefixLength = 4;     // "\\?\"
constexpr std::size_t kClassIdLength = 38;   // "{...}" after the last '#'
constexpr std::size_t kCollectionDigit = 26; // units digit of "colNN"
constexpr std::size_t kShortestRewritable = 28;

// Up to count characters of text from the prefix on, cut to the buffer.
ReducedName KeptPart(std::string_view text, std::ptrdiff_t count) {
  ReducedName reduced;
  if (count <= 0 || text.size() <= kPrefixLength) return reduced;
  const std::size_t length =
      std::min({static_cast<std::size_t>(count), text.size() - kPrefixLength,
                kDeviceNameBufferSize - 1});
  std::copy_n(text.begin() + kPrefixLength, length, reduced.Text.begin());
  reduced.Length = length;
  return reduced;
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

ReducedName ReduceRawDeviceName(std::string_view deviceName) {
  if (deviceName.empty() || deviceName.size() >= kDeviceNameBufferSize) return {};
  // The query counts the terminating NUL in what it copied.
  const auto copied = static_cast<std::ptrdiff_t>(deviceName.size() + 1);
  return KeptPart(deviceName, copied - static_cast<std::ptrdiff_t>(kPrefixLength + kClassIdLength + 1));
}

std::optional<ReducedName> ReduceStoredPath(std::string_view devicePath) {
  ReducedName reduced =
      KeptPart(devicePath, static_cast<std::ptrdiff_t>(devicePath.size()) -
                               static_cast<std::ptrdiff_t>(kPrefixLength + kClassIdLength));
  if (reduced.Length < kShortestRewritable) return std::nullopt;
  reduced.Text[kCollectionDigit] = '1';
  reduced.Text[reduced.Length - 2] = '0';
  return reduced;
}

bool IsSameAdapterName(const ReducedName& rawName,
                       const std::optional<ReducedName>& storedPath) {
  if (rawName.Length == 0 || !storedPath) return false;
  return std::ranges::equal(rawName.View(), storedPath->View(),
                            [](char a, char b) { return LowerAscii(a) == LowerAscii(b); });
}

}  // namespace vantor
