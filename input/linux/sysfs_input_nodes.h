// Which input event nodes belong to an adapter. The adapter is known by its
// hidraw node; the kernel puts an event node of the same USB HID device
// under that device in sysfs, so the two are matched by the HID device
// directory both resolve to:
//   realpath(<sysfs>/class/input/eventN/device/device)
//     == realpath(<sysfs>/class/hidraw/hidrawM/device)
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace vantor {

// The event node names ("event5") of the HID device behind the hidraw node
// at hidrawPath ("/dev/hidraw3"), by event number. Empty when sysfs does
// not know that hidraw node, or when it has no event node.
std::vector<std::string> EventNodesOfHidraw(const std::filesystem::path& sysfsRoot,
                                            const std::string& hidrawPath);

}  // namespace vantor
