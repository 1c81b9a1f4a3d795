// The Linux key code of a key table keystroke, from its set-1 scan code and
// extended flag (the virtual key is for Windows).
#pragma once

#include <cstdint>

namespace vantor {

// 0 when the keystroke has no Linux key. Set-1 make codes without the
// extended flag are the Linux codes themselves (KEY_ESC is 1, KEY_F12 is
// 88); the extended keys of the key table are looked up.
int LinuxKeyCode(std::uint16_t scanCode, bool extended);

}  // namespace vantor
