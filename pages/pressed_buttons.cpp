#include "pages/pressed_buttons.h"

namespace vantor {

bool PressedButtons::Update(std::uint16_t buttonFlags, std::uint8_t wheelHeld) {
  bool changed = false;
  // Down before up for each button, so both in one report leave it unlit.
  for (std::size_t button = 1; button <= kMouseButtonCount; ++button) {
    if (buttonFlags & ButtonDownFlag(button)) {
      m_lit[button - 1] = true;
      changed = true;
    }
    if (buttonFlags & ButtonUpFlag(button)) {
      m_lit[button - 1] = false;
      changed = true;
    }
  }
  // The translator holds the wheel from a wheel report to the next report
  // without one; the mark follows that, whatever it showed before.
  const bool wheel = buttonFlags & ButtonFlags::Wheel;
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
