// Initialisation files ("private profiles") read and written the way the
// Windows program's platform does it, on the file's bytes in memory: lines
// "[Section]", "key=value" and "; comment".
//
// Reading rules:
// - Lines end in LF or CRLF; a UTF-8 byte-order mark at the start is skipped.
// - Blanks (space, tab, CR, VT, FF) around section names, keys and values
//   are ignored; a blank line is ignored.
// - A line whose first non-blank is ';' is a comment.
// - "[" starts a section line; its name runs to the first "]", or to the
//   end of the line when there is none. Text after the "]" is ignored.
// - Any other line is a key: its name runs to the first "=", the value is
//   the rest. A line without "=" is a key with an empty value. Keys before
//   the first section line belong to no section.
// - Section and key names compare ASCII case-insensitively; other bytes,
//   NUL included, compare as they are.
// - Of two sections with the same name only the first counts; of two keys
//   with the same name in it, the first wins.
// - A value enclosed in a pair of double or single quotes loses them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The value of each key of section, in the order of keys; nothing for a key
// (or section) that is absent. The views point into text.
std::vector<std::optional<std::string_view>> GetProfileStrings(
    std::string_view text, std::string_view section,
    std::span<const std::string_view> keys);

struct ProfileString {
  std::string_view Key;
  std::string_view Value;
};

// The text with every entry written into section, keeping every other byte:
// a key that is there has its value replaced in place (its spelling, the
// blanks around "=" and the line ending stay); a missing key is added after
// the last key of the section, in the order of entries; a missing section
// is added at the end of the text. New lines take the text's line ending:
// that of its first line, or CRLF for a text without one, so a new file
// reads the same on Windows.
std::string PutProfileStrings(std::string_view text, std::string_view section,
                              std::span<const ProfileString> entries);

// A value read as a number, as the Windows program's reader does: blanks
// skipped, an optional "+" or "-", then decimal digits up to the first other byte
// ("40abc" is 40, "0x10" is 0, "abc" and "-" are 0). The number is taken
// modulo 2^32 and a "-" negates it in that range ("-1" is 4294967295), so
// its low 8 or 16 bits are always those of the number written. The caller
// gives an empty value its default instead.
std::uint32_t ProfileNumber(std::string_view value);

}  // namespace vantor
