#include "profiles/program_folder.h"

#include <system_error>

namespace vantor {

std::optional<std::filesystem::path> GetProgramFolder() {
  std::error_code ec;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || !program.is_absolute()) return std::nullopt;
  return program.parent_path();
}

bool ProfilesOnlyBesideProgram() { return false; }

}  // namespace vantor
