// The panel's command line: --simulate N [--state FILE] runs it on simulated
// adapters; --exit-when-shown is for start-up measurements.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace vantor {

struct PanelCommandLine {
  std::optional<std::size_t> Simulate;
  std::filesystem::path StateFile;
  bool ExitWhenShown = false;
};

// Nothing, with the reason in error, for arguments the panel does not take.
std::optional<PanelCommandLine> ParsePanelCommandLine(std::span<const std::string> args,
                                                      std::string& error);

inline constexpr const char* kPanelUsage =
    "usage: VantorPanel [--simulate N [--state FILE]]\n"
    "  --simulate N   run on N simulated adapters (0 to 8) instead of the real ones\n"
    "  --state FILE   keep the simulated adapters' settings in FILE\n";

}  // namespace vantor
