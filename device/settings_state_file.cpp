#include "device/settings_state_file.h"

#include <cstdio>
#include <fstream>
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

std::optional<SettingsReport> ParseHexLine(const std::string& line) {
  SettingsReport report{};
  if (line.size() != 2 * report.size()) return std::nullopt;
  for (std::size_t i = 0; i < report.size(); ++i) {
    unsigned value = 0;
    if (std::sscanf(line.c_str() + 2 * i, "%2x", &value) != 1) return std::nullopt;
    report[i] = static_cast<std::uint8_t>(value);
  }
  if (report[0] != kSettingsReportId) return std::nullopt;
  return report;
}

}  // namespace

std::vector<std::optional<SettingsReport>> ReadSettingsStateFile(
    const std::filesystem::path& file) {
  std::vector<std::optional<SettingsReport>> reports;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) reports.push_back(ParseHexLine(line));
  return reports;
}

bool WriteSettingsStateFile(const std::filesystem::path& file,
                            std::span<const SettingsReport> reports,
                            std::string& error) {
  std::filesystem::path temp = file;
  temp += ".tmp";
  {
    std::ofstream out(temp, std::ios::trunc);
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
