// Where the translator's key presses go: the platform's synthetic keyboard
// input (uinput on Linux, SendInput on Windows) or a recorder in tests.
#pragma once

#include <cstdint>

namespace vantor {

class KeySink {
 public:
  virtual ~KeySink() = default;

  // One key transition, named as the key table names it. A sink that
  // cannot send it drops it; nothing is reported back.
  virtual void SendKeyDown(std::uint16_t virtualKey, std::uint16_t scanCode,
                           bool extended) = 0;
  virtual void SendKeyUp(std::uint16_t virtualKey, std::uint16_t scanCode,
                         bool extended) = 0;
};

}  // namespace vantor
