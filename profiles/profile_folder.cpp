#include "profiles/profile_folder.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "profiles/program_folder.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// Names compared as NTFS orders a folder: by their upper-case form, so "_"
// comes after "Z". Names that differ only in case, which Linux allows,
// follow in byte order so the list is the same every time.
bool ListedBefore(std::string_view a, std::string_view b) {
  for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const auto x = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto y = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (x != y) return x < y;
  }
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    const auto u = static_cast<unsigned char>(c);
    return c == '/' || c == '\\' || u < 0x20 || u == 0x7F;
  });
}

bool HasProfileExtension(std::string_view name) {
  constexpr std::string_view kExtension = ".ini";
  if (name.size() <= kExtension.size()) return false;  // ".ini" alone has no name to show
  const std::string_view tail = name.substr(name.size() - kExtension.size());
  return std::equal(tail.begin(), tail.end(), kExtension.begin(),
                    [](char x, char y) { return AsciiUpper(x) == AsciiUpper(y); });
}

void KeepFirstListed(std::vector<std::string>& names) {
  if (names.size() > kMaxListedProfiles) {
    std::partial_sort(names.begin(), names.begin() + kMaxListedProfiles, names.end(),
                      ListedBefore);
    names.resize(kMaxListedProfiles);
  } else {
    std::sort(names.begin(), names.end(), ListedBefore);
  }
}

}  // namespace

std::optional<fs::path> ChooseProfilesFolder(const ProfilesFolderPlaces& places) {
  if (!places.Override.empty()) return fs::path(places.Override);
  if (places.ProgramFolder) {
    fs::path beside = *places.ProgramFolder / kProfilesFolderName;
    if (places.BesideProgramOnly || ProfilesFolderExists(beside)) return beside;
  }
  if (places.BesideProgramOnly) return std::nullopt;
  const fs::path app = fs::path("VantorPanel") / kProfilesFolderName;
  // A relative $XDG_DATA_HOME is to be ignored, as the base-directory rules say.
  if (!places.XdgDataHome.empty() && fs::path(places.XdgDataHome).is_absolute())
    return fs::path(places.XdgDataHome) / app;
  if (!places.Home.empty()) return fs::path(places.Home) / ".local" / "share" / app;
  return std::nullopt;
}

std::optional<fs::path> GetProfilesFolder() {
  if (ProfilesOnlyBesideProgram())
    return ChooseProfilesFolder({.Override = Environment("VANTOR_PROFILES_DIR"),
                                 .ProgramFolder = GetProgramFolder(),
                                 .XdgDataHome = "",
                                 .Home = "",
                                 .BesideProgramOnly = true});
  return ChooseProfilesFolder({Environment("VANTOR_PROFILES_DIR"), GetProgramFolder(),
                               Environment("XDG_DATA_HOME"), Environment("HOME")});
}

bool ProfilesFolderExists(const fs::path& folder) {
  std::error_code ec;
  return fs::is_directory(folder, ec);
}

bool CreateProfilesFolder(const fs::path& folder, std::string* reason) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ProfilesFolderExists(folder)) return true;
  if (reason) *reason = ec ? ec.message() : std::make_error_code(std::errc::not_a_directory).message();
  return false;
}

std::vector<std::string> ListProfiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string name = it->path().filename().string();
    std::error_code statusError;
    if (!HasProfileExtension(name) || !IsPlainFileName(name) ||
        it->symlink_status(statusError).type() != fs::file_type::regular)
      continue;
    names.push_back(std::move(name));
    // However many files the folder holds, only a bounded list is kept.
    if (names.size() == 4 * kMaxListedProfiles) KeepFirstListed(names);
  }
  KeepFirstListed(names);
  return names;
}

std::optional<fs::path> ListedProfilePath(const fs::path& folder, std::string_view fileName) {
  if (!IsPlainFileName(fileName)) return std::nullopt;
  fs::path path = folder / fs::path(std::string(fileName));
  std::error_code ec;
  if (fs::is_symlink(path, ec)) return std::nullopt;
  return path;
}

std::string ProfileDisplayName(std::string_view fileName) {
  return std::string(fileName.substr(0, fileName.rfind('.')));
}

}  // namespace vantor
