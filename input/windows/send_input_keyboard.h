// The keys of the translator, typed through the system's synthetic input:
// one keyboard record per transition, named by its virtual key with the
// set-1 scan code and the extended flag of the key table travelling along.
#pragma once

#include "input/key_sink.h"

namespace vantor {

class SendInputKeyboard final : public KeySink {
 public:
  void SendKeyDown(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended) override;
  void SendKeyUp(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended) override;

  // Transitions the system refused (a secure desktop, a program of higher
  // integrity in front); they are dropped, as the key sink promises.
  unsigned Refused() const { return m_refused; }

 private:
  void Send(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended, bool up);

  unsigned m_refused = 0;
};

}  // namespace vantor
