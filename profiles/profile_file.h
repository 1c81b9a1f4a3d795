// Profile files: one gun's settings as the 36 keys of section "GunProfile"
// of an initialisation file, in the form the Windows program reads and
// writes, so profiles move between the two.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "device/gun_settings.h"

namespace vantor {

inline constexpr std::string_view kProfileSection = "GunProfile";

// A profile the program writes is about 600 bytes; with comments and other
// programs' sections a few kilobytes. A larger file is not a profile, and
// reading it whole would only cost memory: it loads as an unreadable file
// does (every field its default) and a save leaves it alone.
inline constexpr std::size_t kMaxProfileFileSize = 1024 * 1024;

// Puts every field of the profile at path into settings: the value of its
// key, read by the rules of private_profile.h and cut to the field's width
// (257 gives a ButtonMap 1, -0x10 an UpEdge 65520), or the field's
// default when the key, the section or a readable file is missing. No range
// is checked. False, with the reason, when the file could not be read; the
// settings then hold the defaults all the same.
bool LoadProfile(const std::filesystem::path& path, GunSettings& settings,
                 std::string* reason = nullptr);

// Writes every field into the profile at path as an unsigned decimal, in one
// atomic replacement of the file: an existing file keeps its other sections,
// keys, comments, line endings and encoding (UTF-16LE stays UTF-16LE); a new
// one is 8-bit text, the section and the 36 keys in their stored order, with
// CRLF line endings. False, with the reason
// in the system's words, when the profile was not written; the file is then
// as it was.
bool SaveProfile(const std::filesystem::path& path, const GunSettings& settings,
                 std::string* reason = nullptr);

}  // namespace vantor
