#include "device/settings_state_file.h"

#include <cstdio>
#include <fstream>
#include <string_view>
#include <system_error>

namespace vantor {
namespace {

std::string HexLine(const SettingsReport& report) {
  std::string line;
  char byte[4];
  for (std::uint8_t b : report) {
    std::snprintf(byte, sizeof byte, "%02x", b);
    line += byte;
  }
  return line;
}

// The value of a digit as the writer's "%02x" writes it.
std::optional<std::uint8_t> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
  if (c >= 'a' && c <= 'f') return static_cast<std::uint8_t>(c - 'a' + 10);
  return std::nullopt;
}

std::optional<SettingsReport> ParseStateLine(std::string_view line) {
  SettingsReport report{};
  if (line.size() != 2 * report.size()) return std::nullopt;
  for (std::size_t i = 0; i < report.size(); ++i) {
    const auto high = HexDigit(line[2 * i]), low = HexDigit(line[2 * i + 1]);
    if (!high || !low) return std::nullopt;
    report[i] = static_cast<std::uint8_t>(*high << 4 | *low);
  }
  if (report[0] != kSettingsReportId) return std::nullopt;
  return report;
}

}  // namespace

std::vector<std::optional<SettingsReport>> ReadSettingsStateFile(
    const std::filesystem::path& file) {
  std::error_code ec;
  // A FIFO or a device would block or never end; neither is a state file.
  if (!std::filesystem::is_regular_file(file, ec)) return {};
  std::ifstream in(file, std::ios::binary);
  // One byte more than the limit tells a file over it, however it grows.
  std::string bytes(kMaxStateFileSize + 1, '\0');
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  const auto size = static_cast<std::size_t>(in.gcount());
  if (size > kMaxStateFileSize) return {};
  bytes.resize(size);

  std::vector<std::optional<SettingsReport>> reports;
  for (std::string_view rest = bytes; !rest.empty();) {
    const std::size_t lf = rest.find('\n');
    reports.push_back(ParseStateLine(rest.substr(0, lf)));
    rest.remove_prefix(lf == std::string_view::npos ? rest.size() : lf + 1);
  }
  return reports;
}

bool WriteSettingsStateFile(const std::filesystem::path& file,
                            std::span<const SettingsReport> reports,
                            std::string& error) {
  if (reports.size() > kMaxEntries) {
    error = "cannot keep more than " + std::to_string(kMaxEntries) + " adapters in " + file.string();
    return false;
  }
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    // Binary, so each line ends in the LF the reader wants on every system.
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    for (const SettingsReport& report : reports) out << HexLine(report) << '\n';
    out.flush();
    if (!out) {
      error = "cannot write " + temp.string();
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, file, ec);
  if (ec) {
    error = "cannot replace " + file.string() + ": " + ec.message();
    return false;
  }
  return true;
}

}  // namespace vantor
