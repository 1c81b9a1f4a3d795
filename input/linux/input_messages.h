// The sentences the gun input path shows the user (on the command line and
// in the panel) when it cannot do its work, with their exact texts.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

// "Key presses are off: /dev/uinput cannot be opened: Permission denied.
// Install the udev rule (see README).", the remedy following the error.
std::string KeyboardCannotOpenMessage(std::string_view node, int error);
// "Key presses are off: /dev/uinput cannot make a keyboard: <reason>."
std::string KeyboardCannotCreateMessage(std::string_view node, std::string_view reason);

// "The buttons of the adapter at /dev/hidraw3 cannot be read: /dev/input/event5
// cannot be opened: Permission denied. Install the udev rule (see README)."
std::string ButtonsCannotOpenMessage(std::string_view adapterPath, std::string_view node,
                                     int error);
// "The buttons of the adapter at /dev/hidraw3 cannot be read: it has no input
// event node."
std::string ButtonsNoNodeMessage(std::string_view adapterPath);

}  // namespace vantor
