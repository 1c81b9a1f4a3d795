#include "profiles/profile_file.h"

#include <array>

#include "device/settings_fields.h"
#include "profiles/file_store.h"
#include "profiles/private_profile.h"

namespace vantor {
namespace {

constexpr std::string_view kTooLarge = "File too large for a profile (over 1 MB)";

constexpr std::array<std::string_view, kSettingsFields.size()> KeyNames() {
  std::array<std::string_view, kSettingsFields.size()> names{};
  for (std::size_t i = 0; i < names.size(); ++i) names[i] = kSettingsFields[i].Name;
  return names;
}
constexpr auto kKeys = KeyNames();

// The file's bytes, nothing for a missing file, or false.
bool ReadProfileBytes(const std::filesystem::path& path, std::string& bytes,
                      bool& missing, std::string* reason) {
  const FileRead result = ReadBoundedFile(path, kMaxProfileFileSize, bytes, reason);
  missing = result == FileRead::Missing;
  if (result == FileRead::TooLarge && reason) *reason = kTooLarge;
  return result == FileRead::Ok;
}

}  // namespace

bool LoadProfile(const std::filesystem::path& path, GunSettings& settings,
                 std::string* reason) {
  std::string bytes;
  bool missing = false;
  const bool read = ReadProfileBytes(path, bytes, missing, reason);
  const auto values = GetProfileStrings(bytes, kProfileSection, kKeys);
  const GunSettings defaults = ProfileDefaultSettings();
  for (std::size_t i = 0; i < kSettingsFields.size(); ++i) {
    const SettingsField& field = kSettingsFields[i];
    // Windows hands the value on as a C string, so it ends at a NUL; an
    // empty value counts as a missing one.
    const std::string_view value =
        values[i] ? std::string_view(*values[i]).substr(0, values[i]->find('\0')) : "";
    field.Set(settings, value.empty() ? field.Get(defaults) : ProfileNumber(value));
  }
  return read;
}

bool SaveProfile(const std::filesystem::path& path, const GunSettings& settings,
                 std::string* reason) {
  std::string existing;
  bool missing = false;
  if (!ReadProfileBytes(path, existing, missing, reason) && !missing) return false;

  std::array<std::string, kSettingsFields.size()> texts;
  std::array<ProfileString, kSettingsFields.size()> entries;
  for (std::size_t i = 0; i < kSettingsFields.size(); ++i) {
    texts[i] = std::to_string(kSettingsFields[i].Get(settings));
    entries[i] = {kKeys[i], texts[i]};
  }
  return ReplaceFileAtomically(path, PutProfileStrings(existing, kProfileSection, entries),
                               reason);
}

}  // namespace vantor
