// The button-transition flags of one mouse report, with the values the
// Windows raw-input record gives them; every mouse source hands its reports
// over in this form.
#pragma once

#include <cstddef>
#include <cstdint>

namespace vantor {

namespace ButtonFlags {
inline constexpr std::uint16_t Button1Down = 0x0001, Button1Up = 0x0002,
                               Button2Down = 0x0004, Button2Up = 0x0008,
                               Button3Down = 0x0010, Button3Up = 0x0020,
                               Button4Down = 0x0040, Button4Up = 0x0080,
                               Button5Down = 0x0100, Button5Up = 0x0200,
                               Wheel = 0x0400;  // either direction
}  // namespace ButtonFlags

// The gun's mouse buttons 1..5, each with a down and an up flag.
inline constexpr std::size_t kMouseButtonCount = 5;

// Button 1..5; the down flag of button n is bit 2(n-1), its up flag the next.
constexpr std::uint16_t ButtonDownFlag(std::size_t button) {
  return static_cast<std::uint16_t>(ButtonFlags::Button1Down << (2 * (button - 1)));
}
constexpr std::uint16_t ButtonUpFlag(std::size_t button) {
  return static_cast<std::uint16_t>(ButtonFlags::Button1Up << (2 * (button - 1)));
}

static_assert(ButtonDownFlag(5) == ButtonFlags::Button5Down);
static_assert(ButtonUpFlag(3) == ButtonFlags::Button3Up);

}  // namespace vantor
