// Turns the kernel's input events of a mouse into mouse reports: one report
// per frame (the events up to SYN_REPORT), with the flags of the buttons
// that went down or up and of wheel movement in that frame. A frame of
// movement only is a report without flags.
#pragma once

#include <linux/input-event-codes.h>

#include <array>
#include <cstdint>
#include <optional>

#include "input/button_flags.h"

namespace vantor {

// The event codes of the gun's mouse buttons 1 to 5.
inline constexpr std::array<std::uint16_t, kMouseButtonCount> kMouseButtonCodes = {
    BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE, BTN_EXTRA};

class EvdevFrameReader {
 public:
  // Takes the next event, as read in libevdev's normal or sync mode. Gives
  // the flags of a report when the event completes a frame.
  //
  // A frame cut short by SYN_DROPPED is handed on as a report too: libevdev
  // has already counted its events into its view of the buttons, and the
  // resynchronisation that follows only reports what differs from that
  // view. Dropping such a frame could lose a button-up for good; passing it
  // on never can, since the resynchronisation then puts right whatever it
  // claimed.
  std::optional<std::uint16_t> Add(std::uint16_t type, std::uint16_t code,
                                   std::int32_t value);

 private:
  std::uint16_t m_flags = 0;
  bool m_pending = false;  // an event since the last report
};

}  // namespace vantor
