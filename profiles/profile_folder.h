// The Profiles folder: where it is, making it, and the profiles it lists.
//
// The folder is, in this order of preference:
// 1. $VANTOR_PROFILES_DIR, when set (tests, kiosks);
// 2. "Profiles" in the program's folder, when that is a folder (a portable
//    install, or the build tree), as the Windows program keeps it;
// 3. $XDG_DATA_HOME/VantorPanel/Profiles, by default
//    ~/.local/share/VantorPanel/Profiles, made when first needed.
// On Windows rule 2 holds alone, the folder made when first needed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

inline constexpr std::string_view kProfilesFolderName = "Profiles";
inline constexpr std::size_t kMaxListedProfiles = 100;

// What the choice of the folder depends on; empty strings are unset.
struct ProfilesFolderPlaces {
  std::string Override;     // $VANTOR_PROFILES_DIR
  std::optional<std::filesystem::path> ProgramFolder;
  std::string XdgDataHome;  // $XDG_DATA_HOME
  std::string Home;         // $HOME
  // Profiles beside the program and nowhere else, as the Windows program
  // keeps them: that folder is chosen whether it exists yet or not.
  bool BesideProgramOnly = false;
};

// The folder by the rule above; nothing when no rule gives one (no
// override, no Profiles beside the program and no home).
std::optional<std::filesystem::path> ChooseProfilesFolder(const ProfilesFolderPlaces& places);

// The folder for this process, from its environment and its program folder.
std::optional<std::filesystem::path> GetProfilesFolder();

// True when folder is a folder (or a link to one); a plain file of that name
// is not.
bool ProfilesFolderExists(const std::filesystem::path& folder);

// Makes the folder and any missing parent. True when it is a folder
// afterwards; false, with the reason, when it could not be made (a file of
// that name is in the way, no permission).
bool CreateProfilesFolder(const std::filesystem::path& folder, std::string* reason = nullptr);

// The profiles of folder by file name, extension included: regular files
// (not folders, not links) whose name ends in ".ini" in any letter case and
// is a plain file name (ListedProfilePath takes it). At most
// kMaxListedProfiles of them, the first in order of their names compared
// regardless of case, as a Windows listing gives them. Empty when the
// folder is missing or cannot be read.
std::vector<std::string> ListProfiles(const std::filesystem::path& folder);

// The path of a listed profile, or nothing when fileName would lead
// elsewhere: empty, "." or "..", holding a slash, a backslash or a control
// character, or naming a link.
std::optional<std::filesystem::path> ListedProfilePath(const std::filesystem::path& folder,
                                                       std::string_view fileName);

// The name a user sees for a profile file: its name cut at the last "."
// ("Arcade.ini" shows as "Arcade").
std::string ProfileDisplayName(std::string_view fileName);

}  // namespace vantor
