// The folder of the running program, where a portable install keeps its
// Profiles folder. One implementation per platform.
#pragma once

#include <filesystem>
#include <optional>

namespace vantor {

// Nothing when the platform cannot say where the program is.
std::optional<std::filesystem::path> GetProgramFolder();

// True where profiles live beside the program and nowhere else (Windows);
// false where a desktop's data folder is used when there is none beside it.
bool ProfilesOnlyBesideProgram();

}  // namespace vantor
