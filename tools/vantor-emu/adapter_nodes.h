// Where the kernel put an emulated adapter: its hidraw node (settings) and
// the input event node of its mouse collection (the gun's buttons); and
// where it put an input device known by name. Nodes appear a few tens of
// milliseconds after their device is created, so callers wait for them.
#pragma once

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>

namespace vantor::emu {

struct AdapterNodes {
  std::string Hidraw;  // "/dev/hidraw0"
  std::string Event;   // "/dev/input/event3"
};

// The nodes of the HID device whose uniq text is uniq, once both exist in
// sysfs and in dev; nothing before.
std::optional<AdapterNodes> FindAdapterNodes(
    const std::string& uniq, const std::filesystem::path& sysfsRoot = "/sys",
    const std::filesystem::path& devRoot = "/dev");

// Polls FindAdapterNodes until it finds them or the time is up.
std::optional<AdapterNodes> WaitForAdapterNodes(
    const std::string& uniq, std::chrono::milliseconds timeout,
    const std::filesystem::path& sysfsRoot = "/sys",
    const std::filesystem::path& devRoot = "/dev");

// The event node ("/dev/input/event4") of the input device with this name,
// such as the panel's virtual keyboard, once it exists in sysfs and in dev;
// nothing when it does not appear in time.
std::optional<std::string> WaitForInputNodeNamed(
    const std::string& name, std::chrono::milliseconds timeout,
    const std::filesystem::path& sysfsRoot = "/sys",
    const std::filesystem::path& devRoot = "/dev");

}  // namespace vantor::emu
