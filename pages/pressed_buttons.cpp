#include "pages/pressed_buttons.h"

namespace vantor {

bool PressedButtons::Update(std::uint16_t buttonFlags, std::uint8_t wheelHeld) {
  bool changed = false;
  // Down before up for each button, so both in one report leave it unlit.
  for (std::size_t button = 0; button < 5; ++button) {
    const std::uint16_t down = static_cast<std::uint16_t>(1u << (2 * button));
    const std::uint16_t up = static_cast<std::uint16_t>(down << 1);
    if (buttonFlags & down) {
      m_lit[button] = true;
      changed = true;
    }
    if (buttonFlags & up) {
      m_lit[button] = false;
      changed = true;
    }
  }
  // The translator holds the wheel from a wheel report to the next report
  // without one; the mark follows that, whatever it showed before.
  const bool wheel = buttonFlags & RawButton::Wheel;
  if (wheel && wheelHeld == 0) {
    m_lit[kWheelMark] = true;
    return true;
  }
  if (!wheel && wheelHeld == 1) {
    m_lit[kWheelMark] = false;
    return true;
  }
  return changed;
}

}  // namespace vantor
