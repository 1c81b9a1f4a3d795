#include "tools/vantor-emu/adapter_nodes.h"

#include <fstream>
#include <system_error>
#include <thread>

namespace vantor::emu {
namespace fs = std::filesystem;
namespace {

bool HasUniq(const fs::path& uevent, const std::string& uniq) {
  std::ifstream in(uevent);
  std::string line;
  while (std::getline(in, line))
    if (line == "HID_UNIQ=" + uniq) return true;
  return false;
}

// The first child of dir whose name starts with prefix.
std::optional<fs::path> ChildWithPrefix(const fs::path& dir, const std::string& prefix) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(dir, ec))
    if (entry.path().filename().string().rfind(prefix, 0) == 0) return entry.path();
  return std::nullopt;
}

}  // namespace

std::optional<AdapterNodes> FindAdapterNodes(const std::string& uniq,
                                             const fs::path& sysfsRoot,
                                             const fs::path& devRoot) {
  std::error_code ec;
  for (const auto& hidraw : fs::directory_iterator(sysfsRoot / "class" / "hidraw", ec)) {
    const fs::path device = hidraw.path() / "device";
    if (!HasUniq(device / "uevent", uniq)) continue;
    // device/input/inputN/eventM: the mouse collection's event node.
    const auto input = ChildWithPrefix(device / "input", "input");
    const auto event = input ? ChildWithPrefix(*input, "event") : std::nullopt;
    if (!event) return std::nullopt;
    AdapterNodes nodes{(devRoot / hidraw.path().filename()).string(),
                       (devRoot / "input" / event->filename()).string()};
    if (!fs::exists(nodes.Hidraw, ec) || !fs::exists(nodes.Event, ec)) return std::nullopt;
    return nodes;
  }
  return std::nullopt;
}

namespace {

template <typename Find>
auto PollFor(Find find, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    auto found = find();
    if (found || std::chrono::steady_clock::now() >= deadline) return found;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

std::optional<std::string> FindInputNodeNamed(const std::string& name, const fs::path& sysfsRoot,
                                              const fs::path& devRoot) {
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(sysfsRoot / "class" / "input", ec)) {
    const std::string event = entry.path().filename().string();
    std::string deviceName;
    if (event.rfind("event", 0) != 0 ||
        !std::getline(std::ifstream(entry.path() / "device" / "name"), deviceName) ||
        deviceName != name)
      continue;
    const fs::path node = devRoot / "input" / event;
    if (fs::exists(node, ec)) return node.string();
  }
  return std::nullopt;
}

}  // namespace

std::optional<AdapterNodes> WaitForAdapterNodes(const std::string& uniq,
                                                std::chrono::milliseconds timeout,
                                                const fs::path& sysfsRoot,
                                                const fs::path& devRoot) {
  return PollFor([&] { return FindAdapterNodes(uniq, sysfsRoot, devRoot); }, timeout);
}

std::optional<std::string> WaitForInputNodeNamed(const std::string& name,
                                                 std::chrono::milliseconds timeout,
                                                 const fs::path& sysfsRoot,
                                                 const fs::path& devRoot) {
  return PollFor([&] { return FindInputNodeNamed(name, sysfsRoot, devRoot); }, timeout);
}

}  // namespace vantor::emu
