#include "input/linux/evdev_frames.h"

namespace vantor {
namespace {

// 1 to 5, or 0 for a code that is none of the gun's mouse buttons.
std::size_t MouseButtonOf(std::uint16_t code) {
  for (std::size_t i = 0; i < kMouseButtonCodes.size(); ++i)
    if (kMouseButtonCodes[i] == code) return i + 1;
  return 0;
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
