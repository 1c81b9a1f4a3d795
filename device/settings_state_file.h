// The memory of adapters that stand in for the real one (the simulated bus,
// the uhid emulator): one line of 84 hex digits per adapter, report 2 with
// its ID, so a submit survives a restart as in the adapter itself.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "device/settings_report.h"

namespace vantor {

// One line as the writer writes it: 84 lower-case hex digits, nothing else.
inline constexpr std::size_t kStateLineSize = 2 * kSettingsReportSize + 1;  // with its LF

// The writer writes at most one line for each entry of the device table. A
// larger file is not a state file, and reading it whole would only cost
// memory.
inline constexpr std::size_t kMaxStateFileSize = kMaxEntries * kStateLineSize;

// The file's lines in order; a line that is not one the writer writes, or
// not a report 2, is nothing. A missing file is no lines (the file appears
// with the first submit), and so is anything that is not a regular file of
// at most kMaxStateFileSize bytes: it is never read past that size, and a
// submit replaces it.
std::vector<std::optional<SettingsReport>> ReadSettingsStateFile(
    const std::filesystem::path& file);

// Replaces the file as a whole (written beside it, then renamed), so a
// crash never leaves half a line. False with the reason on error, and for
// more reports than the device table has entries.
bool WriteSettingsStateFile(const std::filesystem::path& file,
                            std::span<const SettingsReport> reports,
                            std::string& error);

}  // namespace vantor
