// Initialisation files ("private profiles") read and written the way the
// Windows program's platform does it, on the file's bytes in memory: lines
// "[Section]", "key=value" and "; comment".
//
// The reader's rules, one a line:
//
//   encodings | FF FE first: UTF-16LE follows (an odd last byte is no text)
//   encodings | EF BB BF first: skipped; anything else: 8-bit text, a byte a character
//   line ends | LF, CR LF and a lone CR each end a line; the last line needs none
//   blanks    | space, tab, VT and FF around names and values are dropped; empty lines are nothing
//   comments  | a line whose first non-blank is ';'
//   sections  | a line "[name]": the name runs to the first "]", what follows that "]" is ignored
//   sections  | a line "[name" without "]" names no section: it is a key line like any other
//   sections  | keys before the first section line belong to none; of one name the first counts
//   names     | sections and keys compare ASCII case-insensitively; other bytes, NUL too, exactly
//   keys      | a key's name runs to the line's first "=", its value is the rest; no "=": empty
//   keys      | of keys of one name in the section the first wins
//   values    | a value inside a pair of the same quote, " or ', loses that one pair
//   values    | a value ends at its first NUL; an empty value reads as the field's default
//   numbers   | blanks, an optional "+" or "-", then "0x", "0o", "0b" (lower case) or decimal
//   numbers   | digits of that base (hex A-F in either case) to the first other: "40abc" is 40
//   numbers   | no digit is 0: "abc", "0x", "- 5", "+-1"
//   numbers   | modulo 2^32, "-" negating; a field keeps the low 8 or 16 bits: "-0x10" gives 65520
//
// The writer keeps every byte it does not change and the file's encoding:
// a UTF-16LE file stays UTF-16LE with its mark, a UTF-8 mark stays.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantor {

// The value of each key of section in the file's bytes, in the order of
// keys; nothing for a key (or section) that is absent. A value of a UTF-16
// file comes as 8-bit text, each code unit beyond ASCII as '?' (no digit,
// no blank: what the number reader needs of it).
std::vector<std::optional<std::string>> GetProfileStrings(
    std::string_view file, std::string_view section,
    std::span<const std::string_view> keys);

struct ProfileString {  // both ASCII, as profile keys and numbers are
  std::string_view Key;
  std::string_view Value;
};

// The file's bytes with every entry written into section, keeping every
// other byte: a key that is there has its value replaced in place (its
// spelling, the blanks around "=" and the line ending stay); a missing key
// is added after the last key of the section, in the order of entries; a
// missing section is added at the end of the text. New lines take the
// text's line ending: that of its first line, or CRLF for a text without
// one, so a new file reads the same on Windows; and its encoding: a UTF-16LE
// file gets UTF-16LE lines (before an odd last byte, which stays last).
std::string PutProfileStrings(std::string_view file, std::string_view section,
                              std::span<const ProfileString> entries);

// A value read as a number by the rules above, before the cut to the
// field's width. The caller gives an empty value its default instead.
std::uint32_t ProfileNumber(std::string_view value);

}  // namespace vantor
