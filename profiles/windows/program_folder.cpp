#include "profiles/program_folder.h"

#include <windows.h>

#include <string>

namespace vantor {

std::optional<std::filesystem::path> GetProgramFolder() {
  // The path is as long as it is: the buffer grows until it holds it whole.
  std::wstring program(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameW(nullptr, program.data(), static_cast<DWORD>(program.size()));
    if (length == 0) return std::nullopt;
    if (length < program.size()) {
      program.resize(length);
      break;
    }
    if (program.size() >= 32768) return std::nullopt;  // longer than any path can be
    program.resize(program.size() * 2);
  }
  const std::filesystem::path path(program);
  if (!path.has_parent_path()) return std::nullopt;
  return path.parent_path();
}

bool ProfilesOnlyBesideProgram() { return true; }

}  // namespace vantor
