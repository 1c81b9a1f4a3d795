// Input report 1, the gun as a mouse: report ID, buttons 1..5 in bits 0..4,
// then signed X, Y and wheel movement, as the adapter's descriptor lays it out.
#pragma once

#include <array>
#include <cstdint>

#include "device/adapter_facts.h"

namespace vantor::emu {

inline constexpr int kMouseButtonCount = 5;

struct MouseInputReport {
  std::uint8_t Buttons = 0;  // bit 0 = button 1
  std::int8_t X = 0, Y = 0, Wheel = 0;
};

inline std::array<std::uint8_t, kMouseReportSize> EncodeMouseInputReport(
    const MouseInputReport& r) {
  return {kMouseReportId, static_cast<std::uint8_t>(r.Buttons & 0x1F),
          static_cast<std::uint8_t>(r.X), static_cast<std::uint8_t>(r.Y),
          static_cast<std::uint8_t>(r.Wheel)};
}

}  // namespace vantor::emu
