#include "input/linux/linux_key_codes.h"

#include <linux/input-event-codes.h>

namespace vantor {

int LinuxKeyCode(std::uint16_t scanCode, bool extended) {
  if (!extended) {
    // Linux numbers the keys of the PC keyboard by their set-1 make codes;
    // 0x54 (SysRq) and 0x55 are the exceptions in that range.
    const bool plain = (scanCode >= 0x01 && scanCode <= 0x53) ||
                       (scanCode >= 0x56 && scanCode <= 0x58);
    return plain ? scanCode : 0;
  }
  switch (scanCode) {
    case 0x48: return KEY_UP;
    case 0x50: return KEY_DOWN;
    case 0x4B: return KEY_LEFT;
    case 0x4D: return KEY_RIGHT;
    case 0x1D: return KEY_RIGHTCTRL;
    case 0x52: return KEY_INSERT;
    case 0x53: return KEY_DELETE;
    case 0x47: return KEY_HOME;
    case 0x4F: return KEY_END;
    case 0x49: return KEY_PAGEUP;
    case 0x51: return KEY_PAGEDOWN;
    default: return 0;
  }
}

}  // namespace vantor
