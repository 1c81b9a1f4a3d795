#include "device/node_remedy.h"

#include <cerrno>

namespace vantor {

std::string_view OpenRemedy(NodeKind node, int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "Install the udev rule (see README).";
    case EBUSY:
      return node == NodeKind::KeyboardMaker
                 ? "Another program holds it (sudo fuser -v shows which): close it and start the "
                   "panel again."
                 : "Another program holds it (sudo fuser -v shows which): close it and press "
                   "Refresh.";
    case ENOENT:
    case ENODEV:
    case ENXIO:
      return node == NodeKind::KeyboardMaker ? "Load the uinput module: sudo modprobe uinput."
                                             : "The adapter is gone: plug it in and press Refresh.";
    default:
      return {};
  }
}

}  // namespace vantor
