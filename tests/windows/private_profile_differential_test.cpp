// Our profile reader and writer against the platform's own
// (GetPrivateProfileIntA, WritePrivateProfileStringA), on the same files:
// every field must read back the same.
#include <gtest/gtest.h>

#include <windows.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "device/settings_fields.h"
#include "profiles/profile_file.h"
#include "tests/profiles/temp_folder.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

constexpr const char* kSection = "GunProfile";

// What the platform's reader makes of the file, field by field, cut to each
// field's width as a load does.
GunSettings ReadAsThePlatform(const fs::path& path) {
  const GunSettings defaults = ProfileDefaultSettings();
  const std::string file = path.string();
  GunSettings settings;
  for (const SettingsField& field : kSettingsFields) {
    const std::string key(field.Name);
    const UINT value = ::GetPrivateProfileIntA(kSection, key.c_str(),
                                               static_cast<INT>(field.Get(defaults)), file.c_str());
    field.Set(settings, value);
  }
  return settings;
}

void WriteAsThePlatform(const fs::path& path, const GunSettings& settings) {
  const std::string file = path.string();
  for (const SettingsField& field : kSettingsFields) {
    const std::string key(field.Name);
    const std::string text = std::to_string(field.Get(settings));
    ASSERT_TRUE(::WritePrivateProfileStringA(kSection, key.c_str(), text.c_str(), file.c_str()))
        << key;
  }
}

GunSettings ReadAsWeDo(const fs::path& path) {
  GunSettings settings;
  LoadProfile(path, settings);
  return settings;
}

std::string Differences(const GunSettings& ours, const GunSettings& platform) {
  std::ostringstream text;
  for (const SettingsField& field : kSettingsFields)
    if (field.Get(ours) != field.Get(platform))
      text << field.Name << ": ours " << field.Get(ours) << ", the platform's "
           << field.Get(platform) << "\n";
  return text.str();
}

// Settings unlike the defaults in every field, so that a write that went
// nowhere shows.
GunSettings Written() {
  GunSettings s;
  for (std::size_t i = 0; i < kSettingsFields.size(); ++i)
    kSettingsFields[i].Set(s, 1000 + 37 * i);
  return s;
}

struct ProfileText {
  const char* name;
  std::string text;
  friend void PrintTo(const ProfileText& p, std::ostream* os) { *os << p.name; }
};

using namespace std::string_literals;

// Files of the kinds people and programs write, and the odd ones where two
// readers part most easily.
const ProfileText kTexts[] = {
    {"empty", ""},
    {"crlf", "[GunProfile]\r\nButtonMap1=3\r\nUpEdge=40\r\n"},
    {"lf", "[GunProfile]\nButtonMap1=3\nUpEdge=40\n"},
    {"lone_cr", "[GunProfile]\rButtonMap1=3\rUpEdge=40\r"},
    {"utf8_byte_order_mark", "\xEF\xBB\xBF[GunProfile]\r\nUpEdge=40\r\n"},
    {"utf16_le_with_mark", "\xFF\xFE[\0G\0u\0n\0P\0r\0o\0f\0i\0l\0e\0]\0\r\0\n\0U\0p\0E\0d\0g\0e\0=\0"
                           "4\0\x30\0\r\0\n\0"s},
    {"names_in_any_case", "[gunPROFILE]\nupedge=40\nBUTTONMAP2=7\n"},
    {"blanks_around_names_and_values", "  [ GunProfile ]  \n\t UpEdge \t=  40 \t\n"},
    {"no_final_line_break", "[GunProfile]\nUpEdge=40"},
    {"comments", "; top\n[GunProfile]\n;UpEdge=41\n  ; DownEdge=3\nLeftEdge=5 ; trailing\n"},
    {"first_duplicate_key_wins", "[GunProfile]\nUpEdge=40\nupedge=50\n"},
    {"second_section_of_the_name", "[GunProfile]\nDownEdge=1\n[GunProfile]\nUpEdge=50\n"},
    {"other_sections_around", "[A]\nUpEdge=1\n[GunProfile]\nDownEdge=9\n[B]\nLeftEdge=2\n"},
    {"key_before_any_section", "UpEdge=40\n[GunProfile]\nDownEdge=4\n"},
    {"quoted_values", "[GunProfile]\nUpEdge=\"40\"\nDownEdge='41'\nLeftEdge=\"42\n"},
    {"key_without_equals_and_empty_values", "[GunProfile]\nUpEdge\nDownEdge=\nLeftEdge=   \n"},
    {"value_holding_equals", "[GunProfile]\nUpEdge=4=0\n"},
    {"section_line_without_bracket", "[GunProfile\nUpEdge=40\n"},
    {"text_after_the_bracket", "[GunProfile] ; ours\nUpEdge=40\n"},
    {"numbers_cut_to_the_width", "[GunProfile]\nButtonMap1=257\nUpEdge=65537\nDownEdge=4294967297\n"},
    {"signs", "[GunProfile]\nUpEdge=-1\nDownEdge=+7\nLeftEdge=--3\nRightEdge=-\n"},
    {"hex_and_octal_prefixes", "[GunProfile]\nUpEdge=0x10\nDownEdge=0X1F\nLeftEdge=010\nRightEdge=0x\n"},
    {"digits_then_text", "[GunProfile]\nUpEdge=300abc\nDownEdge=4 0\nLeftEdge=abc\n"},
    {"blanks_inside_the_number", "[GunProfile]\nUpEdge= \t40 \nDownEdge=\t-\t5\n"},
    {"nul_bytes", "[GunProfile]\n\0\0\nUp\0Edge=1\nUpEdge=4\0" "0\n"s},
    {"very_long_line", "[GunProfile]\nUpEdge=" + std::string(5000, '9') + "\nDownEdge=3\n"},
    {"many_sections_first", [] {
       std::string t;
       for (int i = 0; i < 500; ++i) t += "[S" + std::to_string(i) + "]\nUpEdge=1\n";
       return t + "[GunProfile]\nUpEdge=40\n";
     }()},
};

// Random files built from the pieces of real ones: section lines (ours and
// others, in any case, with and without brackets), keys of ours and others
// with numbers, signs and junk, comments, blank lines; LF, CRLF or mixed.
std::string RandomProfile(std::mt19937& random) {
  auto pick = [&](std::size_t n) { return static_cast<std::size_t>(random() % n); };
  const char* sections[] = {"[GunProfile]", "[gunprofile]", "[ GunProfile ]", "[Other]", "[GunProfile",
                            "[GunProfile2]", "[]"};
  const char* values[] = {"0", "1", "40", "255", "256", "65535", "65536", "-1", "+3", " 7 ", "x",
                          "12ab", "", "\"9\"", "0x20", "4294967295", "99999999999"};
  const char* endings[] = {"\n", "\r\n"};
  std::string text;
  const std::size_t lines = 1 + pick(60);
  for (std::size_t i = 0; i < lines; ++i) {
    switch (pick(10)) {
      case 0:
      case 1: text += sections[pick(std::size(sections))]; break;
      case 2: text += pick(2) ? "; note" : ""; break;
      case 3: text += "Other" + std::to_string(pick(5)) + "=" + values[pick(std::size(values))]; break;
      default: {
        std::string key(kSettingsFields[pick(kSettingsFields.size())].Name);
        if (pick(4) == 0)
          for (char& c : key) c = static_cast<char>(pick(2) ? std::tolower(c) : std::toupper(c));
        text += (pick(5) == 0 ? "  " : "") + key + (pick(5) == 0 ? " = " : "=") +
                values[pick(std::size(values))];
      }
    }
    text += endings[pick(std::size(endings))];
  }
  return text;
}

class DifferentialRead : public testing::TestWithParam<ProfileText> {};

TEST_P(DifferentialRead, EveryFieldReadsAsThePlatformReadsIt) {
  TempFolder folder;
  const fs::path path = folder / "p.ini";
  WriteFile(path, GetParam().text);
  const GunSettings ours = ReadAsWeDo(path);
  const GunSettings platform = ReadAsThePlatform(path);
  EXPECT_EQ(ours, platform) << Differences(ours, platform);
}

class DifferentialWrite : public testing::TestWithParam<ProfileText> {};

// Both writers into a copy of the same file: afterwards both readers find
// the written settings in both files.
TEST_P(DifferentialWrite, BothWritersGiveTheSameValuesBack) {
  TempFolder folder;
  const fs::path ours = folder / "ours.ini";
  const fs::path platform = folder / "platform.ini";
  WriteFile(ours, GetParam().text);
  WriteFile(platform, GetParam().text);
  ASSERT_TRUE(SaveProfile(ours, Written()));
  WriteAsThePlatform(platform, Written());
  for (const fs::path& file : {ours, platform}) {
    EXPECT_EQ(ReadAsThePlatform(file), Written())
        << file.filename() << " by the platform's reader:\n" << Differences(ReadAsThePlatform(file), Written());
    EXPECT_EQ(ReadAsWeDo(file), Written())
        << file.filename() << " by ours:\n" << Differences(ReadAsWeDo(file), Written());
  }
}

std::string RowName(const testing::TestParamInfo<ProfileText>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Table, DifferentialRead, testing::ValuesIn(kTexts), RowName);
INSTANTIATE_TEST_SUITE_P(Table, DifferentialWrite, testing::ValuesIn(kTexts), RowName);

class RandomFiles : public testing::TestWithParam<unsigned> {};

constexpr unsigned kFilesPerSeed = 25;

TEST_P(RandomFiles, ReadAndWriteAsThePlatformDoes) {
  std::mt19937 random(GetParam());
  TempFolder folder;
  for (unsigned i = 0; i < kFilesPerSeed; ++i) {
    const std::string text = RandomProfile(random);
    // A new name each time: the platform keeps recently read files cached.
    const fs::path path = folder / ("r" + std::to_string(i) + ".ini");
    WriteFile(path, text);
    const GunSettings ours = ReadAsWeDo(path);
    const GunSettings platform = ReadAsThePlatform(path);
    ASSERT_EQ(ours, platform) << "file " << i << ":\n" << text << "\n" << Differences(ours, platform);

    const fs::path written = folder / ("w" + std::to_string(i) + ".ini");
    WriteFile(written, text);
    ASSERT_TRUE(SaveProfile(written, Written()));
    ASSERT_EQ(ReadAsThePlatform(written), Written())
        << "file " << i << " saved by ours, read by the platform's reader:\n" << text << "\n"
        << ReadFile(written);
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomFiles, testing::Range(1u, 9u));

}  // namespace
}  // namespace vantor
