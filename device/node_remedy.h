// What the user can do about a device node that cannot be opened, chosen by
// the node and by why it failed: a missing /dev/uinput wants its module
// loaded, a node owned by root wants the udev rule, a busy one wants the
// program that holds it closed.
#pragma once

#include <string_view>

namespace vantor {

enum class NodeKind {
  KeyboardMaker,    // /dev/uinput, which makes the virtual keyboard
  AdapterSettings,  // an adapter's hidraw node, for its settings
  AdapterButtons,   // an adapter's input event node, for its buttons
};

// The remedy sentence, ending in "."; empty when no remedy is known for
// that error (the system's words are all that can be said).
std::string_view OpenRemedy(NodeKind node, int error);

}  // namespace vantor
