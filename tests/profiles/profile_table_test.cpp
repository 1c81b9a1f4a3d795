// Profile files against what the Windows program's reader makes of them.
// Reading rows: a small file's bytes and the 36 values it loads as. Writing
// rows: the file before, the settings saved, the bytes after, and the values
// those bytes load as again.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

#include "device/settings_fields.h"
#include "profiles/profile_file.h"
#include "tests/profiles/temp_folder.h"
#include "tests/profiles/utf16_bytes.h"

namespace vantor {
namespace {

using namespace std::string_literals;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::Utf16Le;
using testing_support::Widened;
using testing_support::WriteFile;

// The keys and their defaults as the profile table gives them, spelled out
// here rather than taken from the code under test.
constexpr std::array<std::string_view, 36> kKeys = {
    "ButtonMap1",   "ButtonMap2",   "ButtonMap3",      "ButtonMap4",   "ButtonMap5",
    "ButtonMap6",   "ButtonMap7",   "ButtonMap8",      "ButtonMap9",   "ButtonMap10",
    "AutoFire1",    "AutoFire2",    "AutoFire3",       "AutoFire4",    "AutoFire5",
    "AutoFire6",    "AutoFire7",    "AutoFire8",       "AutoFire9",    "AutoFire10",
    "SetOffScreenAs", "ButtonRemap1", "ButtonRemap2",  "ButtonRemap3", "ButtonRemap4",
    "ButtonRemap5", "ButtonRemap6", "FreeMouseCursor", "Sensitivity",  "UpEdge",
    "DownEdge",     "LeftEdge",     "RightEdge",       "UseCentering", "XCenter",
    "YCenter"};

using Values = std::array<unsigned, 36>;

constexpr Values kDefaultValues = {1, 4, 2, 6, 5, 3, 8, 8, 8, 8,   // ButtonMap1..10
                                   0, 0, 0, 0, 0, 0, 0, 0, 0, 0,   // AutoFire1..10
                                   0,                              // SetOffScreenAs
                                   0, 0, 0, 0, 0, 0,               // ButtonRemap1..6
                                   1, 0,                           // FreeMouseCursor, Sensitivity
                                   31, 255, 137, 711,              // Up, Down, Left, RightEdge
                                   0, 0, 0};                       // UseCentering, X, YCenter

Values ValuesOf(const GunSettings& s) {
  return {s.ButtonMap1,     s.ButtonMap2,   s.ButtonMap3,   s.ButtonMap4,   s.ButtonMap5,
          s.ButtonMap6,     s.ButtonMap7,   s.ButtonMap8,   s.ButtonMap9,   s.ButtonMap10,
          s.AutoFire1,      s.AutoFire2,    s.AutoFire3,    s.AutoFire4,    s.AutoFire5,
          s.AutoFire6,      s.AutoFire7,    s.AutoFire8,    s.AutoFire9,    s.AutoFire10,
          s.SetOffScreenAs, s.ButtonRemap1, s.ButtonRemap2, s.ButtonRemap3, s.ButtonRemap4,
          s.ButtonRemap5,   s.ButtonRemap6, s.FreeMouseCursor, s.Sensitivity, s.UpEdge,
          s.DownEdge,       s.LeftEdge,     s.RightEdge,    s.UseCentering, s.XCenter,
          s.YCenter};
}

// The defaults with some keys changed.
Values Defaults(std::initializer_list<std::pair<std::string_view, unsigned>> changes = {}) {
  Values values = kDefaultValues;
  for (const auto& [key, value] : changes) {
    std::size_t i = 0;
    while (i < kKeys.size() && kKeys[i] != key) ++i;
    if (i == kKeys.size()) ADD_FAILURE() << "no key " << key;
    else values[i] = value;
  }
  return values;
}

// One "Key=value" a line, so a failure shows just the keys that differ.
std::string Listing(const Values& values) {
  std::string text;
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    text.append(kKeys[i]).append("=").append(std::to_string(values[i])).append("\n");
  return text;
}

// Settings a load must overwrite, every one of them.
GunSettings Garbage() {
  GunSettings s;
  for (const SettingsField& field : kSettingsFields) field.Set(s, 0xA5A5u);
  return s;
}

struct ReadRow {
  const char* name;
  std::string bytes;
  Values values;
  friend void PrintTo(const ReadRow& r, std::ostream* os) { *os << r.name; }
};

class ReadTable : public testing::TestWithParam<ReadRow> {};

TEST_P(ReadTable, LoadsTheValuesWindowsReads) {
  TempFolder folder;
  WriteFile(folder / "p.ini", GetParam().bytes);
  GunSettings settings = Garbage();
  std::string reason;
  ASSERT_TRUE(LoadProfile(folder / "p.ini", settings, &reason)) << reason;
  EXPECT_EQ(Listing(ValuesOf(settings)), Listing(GetParam().values));
}

INSTANTIATE_TEST_SUITE_P(
    ProfileTable, ReadTable,
    testing::Values(
        // Line ends.
        ReadRow{"crlf", "[GunProfile]\r\nUpEdge=40\r\nButtonMap1=2\r\n",
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"lf_without_a_last_one", "[GunProfile]\nUpEdge=40\nButtonMap1=2",
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"lone_cr", "[GunProfile]\rUpEdge=40\rButtonMap1=2\r",
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"lone_cr_inside_a_crlf_line", "[GunProfile]\r\nUpEdge=40\rButtonMap1=2\r\n",
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"lone_cr_and_lf_mixed", "[GunProfile]\rUpEdge=40\nButtonMap1=2\n\rDownEdge=3",
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}, {"DownEdge", 3}})},
        // Sections.
        ReadRow{"no_file_content", "", Defaults()},
        ReadRow{"header_without_bracket_is_no_section", "[GunProfile\r\nUpEdge=40\r\n",
                Defaults()},
        ReadRow{"line_without_bracket_leaves_the_section_going",
                "[GunProfile]\r\nUpEdge=40\r\n[Other\r\nButtonMap1=2\r\n",
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"text_after_the_bracket", "[GunProfile] ; mine\r\nUpEdge=40\r\n",
                Defaults({{"UpEdge", 40}})},
        ReadRow{"blanks_inside_the_brackets", "  [ GunProfile ]\r\nUpEdge=40\r\n",
                Defaults({{"UpEdge", 40}})},
        ReadRow{"keys_before_any_section", "UpEdge=40\r\n[GunProfile]\r\nButtonMap1=2\r\n",
                Defaults({{"ButtonMap1", 2}})},
        ReadRow{"only_the_first_section_of_the_name",
                "[GunProfile]\r\nUpEdge=40\r\n[Other]\r\nButtonMap1=3\r\n"
                "[gunprofile]\r\nButtonMap1=2\r\n",
                Defaults({{"UpEdge", 40}})},
        ReadRow{"another_section_s_keys", "[Other]\r\nUpEdge=40\r\n[GunProfile]\r\n", Defaults()},
        // Names.
        ReadRow{"names_in_any_case_with_blanks",
                "[gunPROFILE]\r\nupedge=40\r\n\t BUTTONMAP1 \t= 2\r\nButtonMap 2=3\r\n",
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"first_key_of_a_name_wins", "[GunProfile]\r\nUpEdge=40\r\nupedge=50\r\n",
                Defaults({{"UpEdge", 40}})},
        ReadRow{"comments", "[GunProfile]\r\n;UpEdge=40\r\n  ; ButtonMap1=2\r\nButtonMap2=3 ; x\r\n",
                Defaults({{"ButtonMap2", 3}})},
        // Values.
        ReadRow{"empty_values_read_as_defaults",
                "[GunProfile]\r\nButtonMap1=\r\nButtonMap2   \r\nButtonMap3=\0" "7\r\n"s,
                Defaults()},
        ReadRow{"value_ends_at_a_nul", "[GunProfile]\r\nUpEdge=4\0" "7\r\n"s,
                Defaults({{"UpEdge", 4}})},
        ReadRow{"quotes",
                "[GunProfile]\r\nUpEdge=\"40\"\r\nButtonMap1='2'\r\nButtonMap2=\"3'\r\n"
                "ButtonMap3=\" 9 \"\r\nButtonMap4=\"\"\r\n",  // "" is empty: the default
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}, {"ButtonMap2", 0}, {"ButtonMap3", 9}})},
        // Numbers.
        ReadRow{"prefixes",
                "[GunProfile]\r\nButtonMap1=0x10\r\nButtonMap2=0o17\r\nButtonMap3=0b101\r\n"
                "UpEdge=-0x10\r\nDownEdge=0XFF\r\nLeftEdge=0xFFFF1\r\nRightEdge=+0x2C8\r\n"
                "XCenter=0x\r\nYCenter=0b102\r\nSensitivity=0o9\r\n",
                Defaults({{"ButtonMap1", 16}, {"ButtonMap2", 15}, {"ButtonMap3", 5},
                          {"UpEdge", 65520}, {"DownEdge", 0}, {"LeftEdge", 65521},
                          {"RightEdge", 712}, {"XCenter", 0}, {"YCenter", 2},
                          {"Sensitivity", 0}})},
        ReadRow{"decimals",
                "[GunProfile]\r\nButtonMap1=40abc\r\nButtonMap2= 007 \r\nAutoFire1=-1\r\n"
                "AutoFire2=257\r\nAutoFire3=abc\r\nButtonMap3=- 5\r\nButtonMap4=+-1\r\n"
                "UpEdge=65537\r\nDownEdge=99999999999999999999\r\nLeftEdge=-1\r\nXCenter=1 2\r\n",
                Defaults({{"ButtonMap1", 40}, {"ButtonMap2", 7}, {"AutoFire1", 255},
                          {"AutoFire2", 1}, {"AutoFire3", 0}, {"ButtonMap3", 0},
                          {"ButtonMap4", 0}, {"UpEdge", 1}, {"DownEdge", 65535},
                          {"LeftEdge", 65535}, {"XCenter", 1}})},
        // Encodings.
        ReadRow{"utf8_mark", "\xEF\xBB\xBF[GunProfile]\r\nUpEdge=40\r\n",
                Defaults({{"UpEdge", 40}})},
        ReadRow{"utf16le_with_mark",
                Utf16Le(u"[GunProfile]\r\nUpEdge=40\r\nButtonMap1=0x2\r\nOwner=Zo\u00eb\r\n"),
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"utf16le_lone_cr", Utf16Le(u"[GunProfile]\rUpEdge=40\rButtonMap1=2"),
                Defaults({{"UpEdge", 40}, {"ButtonMap1", 2}})},
        ReadRow{"utf16le_without_mark",
                Utf16Le(u"[GunProfile]\r\nUpEdge=40\r\n").substr(2), Defaults()},
        ReadRow{"utf16le_wide_digit_is_no_digit", Utf16Le(u"[GunProfile]\r\nUpEdge=4\uff10\r\n"),
                Defaults({{"UpEdge", 4}})}));

// The settings every writing row saves: defaults but for two fields, so the
// rows show where each key goes.
constexpr GunSettings kSaved{.ButtonMap1 = 2, .ButtonMap2 = 4, .ButtonMap3 = 2,
                             .ButtonMap4 = 6, .ButtonMap5 = 5, .ButtonMap6 = 3,
                             .ButtonMap7 = 8, .ButtonMap8 = 8, .ButtonMap9 = 8,
                             .ButtonMap10 = 8, .FreeMouseCursor = 1, .UpEdge = 120,
                             .DownEdge = 255, .LeftEdge = 137, .RightEdge = 711};

// kSaved as the writer writes it, a key a line in the stored order, leaving
// out the keys in except.
std::string SavedLines(std::string_view eol, std::initializer_list<std::string_view> except = {}) {
  const Values values = ValuesOf(kSaved);
  std::string text;
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    if (std::find(except.begin(), except.end(), kKeys[i]) == except.end())
      text.append(kKeys[i]).append("=").append(std::to_string(values[i])).append(eol);
  return text;
}

struct WriteRow {
  const char* name;
  std::string before;
  std::string after;
  friend void PrintTo(const WriteRow& r, std::ostream* os) { *os << r.name; }
};

class WriteTable : public testing::TestWithParam<WriteRow> {};

TEST_P(WriteTable, SavesWhatBothSidesReadBack) {
  TempFolder folder;
  WriteFile(folder / "p.ini", GetParam().before);
  std::string reason;
  ASSERT_TRUE(SaveProfile(folder / "p.ini", kSaved, &reason)) << reason;
  EXPECT_EQ(ReadFile(folder / "p.ini"), GetParam().after);
  GunSettings loaded = Garbage();
  ASSERT_TRUE(LoadProfile(folder / "p.ini", loaded));
  EXPECT_EQ(Listing(ValuesOf(loaded)), Listing(ValuesOf(kSaved)));
}

INSTANTIATE_TEST_SUITE_P(
    ProfileTable, WriteTable,
    testing::Values(
        WriteRow{"new_file", "", "[GunProfile]\r\n" + SavedLines("\r\n")},
        WriteRow{"lone_cr", "[GunProfile]\rUpEdge=40\r",
                 "[GunProfile]\rUpEdge=120\r" + SavedLines("\r", {"UpEdge"})},
        WriteRow{"lone_cr_inside_a_crlf_line", "[GunProfile]\r\nButtonMap1=7\rUpEdge=40\r\n",
                 "[GunProfile]\r\nButtonMap1=2\rUpEdge=120\r\n" +
                     SavedLines("\r\n", {"ButtonMap1", "UpEdge"})},
        WriteRow{"header_without_bracket", "[GunProfile\r\nUpEdge=40\r\n",
                 "[GunProfile\r\nUpEdge=40\r\n[GunProfile]\r\n" + SavedLines("\r\n")},
        WriteRow{"header_without_bracket_nor_line_end", "; mine\n[GunProfile",
                 "; mine\n[GunProfile\n[GunProfile]\n" + SavedLines("\n")},
        WriteRow{"utf16le", Utf16Le(u"[GunProfile]\r\nUpEdge=40\r\n"),
                 Utf16Le(u"[GunProfile]\r\nUpEdge=120\r\n" +
                         Widened(SavedLines("\r\n", {"UpEdge"})))},
        WriteRow{"utf16le_other_section_beyond_ascii",
                 Utf16Le(u"[Notes]\r\nOwner=Zo\u00eb\r\n"),
                 Utf16Le(u"[Notes]\r\nOwner=Zo\u00eb\r\n[GunProfile]\r\n" +
                         Widened(SavedLines("\r\n")))},
        WriteRow{"utf16le_mark_alone", "\xFF\xFE",
                 Utf16Le(u"[GunProfile]\r\n" + Widened(SavedLines("\r\n")))},
        WriteRow{"utf8_mark", "\xEF\xBB\xBF[GunProfile]\r\nUpEdge=40\r\n",
                 "\xEF\xBB\xBF[GunProfile]\r\nUpEdge=120\r\n" + SavedLines("\r\n", {"UpEdge"})},
        WriteRow{"whole_value_replaced_by_a_decimal", "[GunProfile]\r\nUpEdge = 0x28 ; hex\r\n",
                 "[GunProfile]\r\nUpEdge = 120\r\n" + SavedLines("\r\n", {"UpEdge"})},
        WriteRow{"key_before_any_section_stays", "UpEdge=40\r\n[GunProfile]\r\n",
                 "UpEdge=40\r\n[GunProfile]\r\n" + SavedLines("\r\n")},
        WriteRow{"second_key_of_a_name_stays", "[GunProfile]\r\nUpEdge=1\r\nUpEdge=2\r\n",
                 "[GunProfile]\r\nUpEdge=120\r\nUpEdge=2\r\n" + SavedLines("\r\n", {"UpEdge"})},
        WriteRow{"second_section_of_the_name_stays",
                 "[GunProfile]\r\n[gunprofile]\r\nUpEdge=2\r\n",
                 "[GunProfile]\r\n" + SavedLines("\r\n") + "[gunprofile]\r\nUpEdge=2\r\n"}));

}  // namespace
}  // namespace vantor
