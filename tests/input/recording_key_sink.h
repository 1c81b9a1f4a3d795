// A KeySink for tests: remembers every transition in order, and which keys a
// keyboard would now show as held.
#pragma once

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <set>
#include <tuple>
#include <vector>

#include "input/key_sink.h"

namespace vantor {

struct KeyEvent {
  bool Down;
  std::uint16_t VirtualKey;
  std::uint16_t ScanCode;
  bool Extended;
  bool operator==(const KeyEvent&) const = default;
};

inline KeyEvent Down(std::uint16_t vk, std::uint16_t scan, bool ext = false) {
  return {true, vk, scan, ext};
}
inline KeyEvent Up(std::uint16_t vk, std::uint16_t scan, bool ext = false) {
  return {false, vk, scan, ext};
}

// "down vk=0x20 scan=0x39" with " ext" for extended keys.
inline void PrintTo(const KeyEvent& e, std::ostream* os) {
  char text[48];
  std::snprintf(text, sizeof text, "%s vk=0x%02X scan=0x%02X%s", e.Down ? "down" : "up",
                e.VirtualKey, e.ScanCode, e.Extended ? " ext" : "");
  *os << text;
}

class RecordingKeySink final : public KeySink {
 public:
  void SendKeyDown(std::uint16_t vk, std::uint16_t scan, bool ext) override {
    Events.push_back(Down(vk, scan, ext));
    Held.insert({scan, ext});
    ++Downs;
  }
  void SendKeyUp(std::uint16_t vk, std::uint16_t scan, bool ext) override {
    Events.push_back(Up(vk, scan, ext));
    Held.erase({scan, ext});
  }

  std::vector<KeyEvent> Events;
  // Scan code and extended flag name a key on a keyboard.
  std::set<std::tuple<std::uint16_t, bool>> Held;
  std::size_t Downs = 0;
};

}  // namespace vantor
