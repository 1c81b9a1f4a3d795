// The memory of adapters that stand in for the real one (the simulated bus,
// the uhid emulator): one line of 84 hex digits per adapter, report 2 with
// its ID, so a submit survives a restart as in the adapter itself.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/settings_report.h"

namespace vantor {

// The file's lines in order; a line that is not a report 2 is nothing.
// A missing file is no lines (the file appears with the first submit).
std::vector<std::optional<SettingsReport>> ReadSettingsStateFile(
    const std::filesystem::path& file);

// Replaces the file as a whole (written beside it, then renamed), so a
// crash never leaves half a line. False with the reason on error.
bool WriteSettingsStateFile(const std::filesystem::path& file,
                            std::span<const SettingsReport> reports,
                            std::string& error);

}  // namespace vantor
