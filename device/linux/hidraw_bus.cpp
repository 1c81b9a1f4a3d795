#include "device/linux/hidraw_bus.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <system_error>

#include "device/report_descriptor.h"

namespace vantor {
namespace {

// The kernel never hands out a longer descriptor.
constexpr std::size_t kMaxDescriptorSize = 4096;

std::optional<unsigned long> HidrawNumber(const std::string& name) {
  constexpr std::string_view kPrefix = "hidraw";
  if (name.size() <= kPrefix.size() || name.compare(0, kPrefix.size(), kPrefix) != 0)
    return std::nullopt;
  const std::string digits = name.substr(kPrefix.size());
  if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }) ||
      digits.size() > 9)
    return std::nullopt;
  return std::stoul(digits);
}

std::optional<std::string> ReadText(const std::filesystem::path& file) {
  std::ifstream in(file);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::vector<std::uint8_t> ReadDescriptor(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::vector<std::uint8_t> bytes(kMaxDescriptorSize);
  in.read(reinterpret_cast<char*>(bytes.data()),
          static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(in.gcount(), 0)));
  return bytes;
}

}  // namespace

bool ParseHidId(const std::string& uevent, std::uint16_t& vendor,
                std::uint16_t& product) {
  std::istringstream lines(uevent);
  std::string line;
  while (std::getline(lines, line)) {
    unsigned bus = 0, v = 0, p = 0;
    char tail = 0;
    // Bus, vendor and product in 4, 8 and 8 hex digits.
    if (line.rfind("HID_ID=", 0) == 0 &&
        std::sscanf(line.c_str(), "HID_ID=%4x:%8x:%8x%c", &bus, &v, &p, &tail) == 3 &&
        v <= 0xFFFF && p <= 0xFFFF) {
      vendor = static_cast<std::uint16_t>(v);
      product = static_cast<std::uint16_t>(p);
      return true;
    }
  }
  return false;
}

HidrawBus::HidrawBus(std::filesystem::path sysfsRoot,
                     std::filesystem::path devRoot)
    : m_sysfsRoot(std::move(sysfsRoot)), m_devRoot(std::move(devRoot)) {}

bool HidrawBus::Enumerate(std::vector<HidCollectionInfo>& collections) {
  collections.clear();
  const std::filesystem::path classDir = m_sysfsRoot / "class" / "hidraw";
  std::error_code ec;
  if (!std::filesystem::exists(classDir, ec)) return !ec;

  std::vector<std::pair<unsigned long, std::string>> nodes;
  // Stepped with increment(ec): a range-for's ++ throws when the listing
  // fails half-way.
  for (std::filesystem::directory_iterator it(classDir, ec), end; !ec && it != end;
       it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (auto number = HidrawNumber(name)) nodes.emplace_back(*number, name);
  }
  if (ec) return false;
  std::sort(nodes.begin(), nodes.end());

  for (const auto& [number, name] : nodes) {
    const std::filesystem::path device = classDir / name / "device";
    const std::optional<std::string> uevent = ReadText(device / "uevent");
    std::uint16_t vendor = 0, product = 0;
    if (!uevent || !ParseHidId(*uevent, vendor, product)) continue;
    const std::vector<std::uint8_t> descriptor = ReadDescriptor(device / "report_descriptor");
    const std::string path = (m_devRoot / name).string();
    for (const ApplicationCollection& c : ParseApplicationCollections(descriptor))
      collections.push_back({path, vendor, product, c.UsagePage, c.Usage});
  }
  return true;
}

HidHandle HidrawBus::Open(const std::string& path, int* error) {
  const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) {
    if (error) *error = errno;
    return kInvalidHandle;
  }
  return fd;
}

int HidrawBus::GetFeature(HidHandle handle, std::span<std::uint8_t> report) {
  const int got = ::ioctl(static_cast<int>(handle),
                          HIDIOCGFEATURE(report.size()), report.data());
  return got < 0 ? -1 : got;
}

bool HidrawBus::SetFeature(HidHandle handle,
                           std::span<const std::uint8_t> report) {
  // The ioctl's buffer is not const, though the kernel only reads it.
  std::vector<std::uint8_t> copy(report.begin(), report.end());
  const int sent = ::ioctl(static_cast<int>(handle),
                           HIDIOCSFEATURE(copy.size()), copy.data());
  return sent == static_cast<int>(copy.size());
}

void HidrawBus::Close(HidHandle handle) { ::close(static_cast<int>(handle)); }

}  // namespace vantor
