#include "input/linux/evdev_frames.h"

#include <linux/input-event-codes.h>

#include "input/button_flags.h"

namespace vantor {
namespace {

// BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA are buttons 1 to 5.
std::size_t MouseButtonOf(std::uint16_t code) {
  switch (code) {
    case BTN_LEFT: return 1;
    case BTN_RIGHT: return 2;
    case BTN_MIDDLE: return 3;
    case BTN_SIDE: return 4;
    case BTN_EXTRA: return 5;
    default: return 0;
  }
}

}  // namespace

std::optional<std::uint16_t> EvdevFrameReader::Add(std::uint16_t type, std::uint16_t code,
                                                   std::int32_t value) {
  if (type == EV_SYN && (code == SYN_REPORT || code == SYN_DROPPED)) {
    if (code == SYN_DROPPED && !m_pending) return std::nullopt;
    const std::uint16_t flags = m_flags;
    m_flags = 0;
    m_pending = false;
    return flags;
  }
  m_pending = true;
  if (type == EV_KEY) {
    // Value 2 is autorepeat, which is neither a press nor a release.
    if (const std::size_t button = MouseButtonOf(code); button && value != 2)
      m_flags |= value ? ButtonDownFlag(button) : ButtonUpFlag(button);
  } else if (type == EV_REL && (code == REL_WHEEL || code == REL_WHEEL_HI_RES)) {
    m_flags |= ButtonFlags::Wheel;
  }
  return std::nullopt;
}

}  // namespace vantor
