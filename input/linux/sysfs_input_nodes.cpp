#include "input/linux/sysfs_input_nodes.h"

#include <algorithm>
#include <optional>
#include <system_error>
#include <utility>

namespace vantor {
namespace {

namespace fs = std::filesystem;

std::optional<unsigned long> EventNumber(const std::string& name) {
  constexpr std::string_view kPrefix = "event";
  if (name.size() <= kPrefix.size() || name.size() > kPrefix.size() + 9 ||
      name.compare(0, kPrefix.size(), kPrefix) != 0)
    return std::nullopt;
  const std::string digits = name.substr(kPrefix.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return std::nullopt;
  return std::stoul(digits);
}

std::optional<fs::path> Resolved(const fs::path& link) {
  std::error_code ec;
  fs::path target = fs::canonical(link, ec);
  if (ec) return std::nullopt;
  return target;
}

}  // namespace

std::vector<std::string> EventNodesOfHidraw(const fs::path& sysfsRoot,
                                            const std::string& hidrawPath) {
  const std::string hidraw = fs::path(hidrawPath).filename().string();
  if (hidraw.rfind("hidraw", 0) != 0) return {};
  const std::optional<fs::path> hidDevice =
      Resolved(sysfsRoot / "class" / "hidraw" / hidraw / "device");
  if (!hidDevice) return {};

  std::vector<std::pair<unsigned long, std::string>> nodes;
  std::error_code ec;
  // Stepped with increment(ec): a range-for's ++ throws when the listing
  // fails half-way; the nodes found until then are kept.
  for (fs::directory_iterator it(sysfsRoot / "class" / "input", ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    const std::optional<unsigned long> number = EventNumber(name);
    if (!number) continue;
    // eventN/device is the input device; its device is the HID device.
    if (Resolved(it->path() / "device" / "device") == hidDevice)
      nodes.emplace_back(*number, name);
  }
  std::sort(nodes.begin(), nodes.end());
  std::vector<std::string> names;
  for (auto& node : nodes) names.push_back(std::move(node.second));
  return names;
}

}  // namespace vantor
