// How the Windows backend recognises an adapter's mouse: the raw-input
// device name of the mouse collection and the stored interface path of the
// settings collection are brought to a common form and compared.
//
// Both names look like \\?\hid#vid_vvvv&pid_pppp&colNN#instance#{class}.
// The common form drops the four-character prefix and the 38-character
// class identifier in braces (the '#' before it stays); in the stored path
// the units digit of NN becomes '1' and the last digit of the instance '0',
// which is what the mouse collection of the same adapter is called.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vantor {

// Names are handled in fixed buffers of this size, NUL included, so that a
// report costs no allocation.
inline constexpr std::size_t kDeviceNameBufferSize = 512;

struct ReducedName {
  std::array<char, kDeviceNameBufferSize> Text{};
  std::size_t Length = 0;  // at most kDeviceNameBufferSize - 1

  std::string_view View() const { return {Text.data(), Length}; }
};

// The kept part of a raw-input device name as the device-name query returns
// it. Pass an empty name when the query failed; a name that does not fit
// the buffer fails the query as well. Empty when the name is too short.
ReducedName ReduceRawDeviceName(std::string_view deviceName);

// The stored path rewritten to the mouse collection's form. Nothing when
// the kept part is shorter than the 28 characters the rewrite needs: such a
// path matches no device.
std::optional<ReducedName> ReduceStoredPath(std::string_view devicePath);

// Equal ignoring ASCII letter case; an empty raw name matches nothing.
bool IsSameAdapterName(const ReducedName& rawName,
                       const std::optional<ReducedName>& storedPath);

}  // namespace vantor
