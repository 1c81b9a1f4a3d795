#include "input/windows/send_input_keyboard.h"

#include <windows.h>

namespace vantor {

void SendInputKeyboard::SendKeyDown(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended) {
  Send(virtualKey, scanCode, extended, false);
}

void SendInputKeyboard::SendKeyUp(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended) {
  Send(virtualKey, scanCode, extended, true);
}

void SendInputKeyboard::Send(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended,
                             bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = scanCode;
  // The virtual key names the key; the scan code is not used in its place.
  input.ki.dwFlags = (extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
  input.ki.time = 0;  // the system stamps it
  // The extra information of the raw-input message being handled.
  input.ki.dwExtraInfo = static_cast<ULONG_PTR>(::GetMessageExtraInfo());
  if (::SendInput(1, &input, sizeof input) != 1) ++m_refused;
}

}  // namespace vantor
