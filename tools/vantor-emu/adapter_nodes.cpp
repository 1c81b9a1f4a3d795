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

std::optional<AdapterNodes> WaitForAdapterNodes(const std::string& uniq,
                                                std::chrono::milliseconds timeout,
                                                const fs::path& sysfsRoot,
                                                const fs::path& devRoot) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (auto nodes = FindAdapterNodes(uniq, sysfsRoot, devRoot)) return nodes;
    if (std::chrono::steady_clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

}  // namespace vantor::emu
