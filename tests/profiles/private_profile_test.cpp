#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <random>
#include <string>

#include "profiles/private_profile.h"
#include "tests/profiles/utf16_bytes.h"

namespace vantor {
namespace {

using namespace std::string_literals;
using testing_support::Utf16Le;
using namespace std::string_view_literals;

constexpr std::string_view kSection = "GunProfile";

std::optional<std::string> ReadUpEdge(std::string_view text) {
  constexpr std::array<std::string_view, 1> keys = {"UpEdge"};
  const auto values = GetProfileStrings(text, kSection, keys);
  if (!values[0]) return std::nullopt;
  return std::string(*values[0]);
}

struct ReadCase {
  const char* name;
  std::string text;
  std::optional<std::string> upEdge;
  friend void PrintTo(const ReadCase& c, std::ostream* os) { *os << c.name; }
};

class ReadingRule : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadingRule, FindsTheValueOfUpEdge) {
  EXPECT_EQ(ReadUpEdge(GetParam().text), GetParam().upEdge);
}

INSTANTIATE_TEST_SUITE_P(
    PrivateProfile, ReadingRule,
    testing::Values(
        ReadCase{"lf", "[GunProfile]\nUpEdge=40\n", "40"},
        ReadCase{"crlf", "[GunProfile]\r\nUpEdge=40\r\n", "40"},
        ReadCase{"lone_cr", "[GunProfile]\rUpEdge=40\r", "40"},
        ReadCase{"lone_cr_ends_the_section_line", "[GunProfile]\rUpEdge=40\n", "40"},
        ReadCase{"lone_cr_inside_a_line", "[GunProfile]\nDownEdge=1\rUpEdge=40\n", "40"},
        ReadCase{"lone_cr_ends_the_value", "[GunProfile]\nUpEdge=40\r5\n", "40"},
        ReadCase{"cr_cr_lf_is_two_line_ends", "[GunProfile]\r\r\nUpEdge=40\r\r\n", "40"},
        ReadCase{"utf16le_with_mark", Utf16Le(u"[GunProfile]\r\nUpEdge=40\r\n"), "40"},
        ReadCase{"utf16le_names_in_any_case", Utf16Le(u"[gunprofile]\nUPEDGE = 40\n"), "40"},
        ReadCase{"utf16le_odd_last_byte_is_no_text",
                 Utf16Le(u"[GunProfile]\r\nUpEdge=40") + "5", "40"},
        ReadCase{"utf16le_beyond_ascii_as_question_marks",
                 Utf16Le(u"[GunProfile]\r\nUpEdge=4\u00e9\U0001F600\r\n"), "4???"},
        ReadCase{"utf16le_without_mark_is_8_bit_text",
                 Utf16Le(u"[GunProfile]\r\nUpEdge=40\r\n").substr(2), std::nullopt},
        ReadCase{"utf16le_key_with_a_wide_character_is_another_key",
                 Utf16Le(u"[GunProfile]\r\nUp\u0145dge=40\r\n"), std::nullopt},
        ReadCase{"byte_order_mark", "\xEF\xBB\xBF[GunProfile]\r\nUpEdge=40\r\n", "40"},
        ReadCase{"names_in_any_case", "[gunPROFILE]\nupedge=40\n", "40"},
        ReadCase{"blanks_around_names_and_values", "  [ GunProfile ]  \n\t UpEdge \t=  40 \t\n", "40"},
        ReadCase{"no_final_line_break", "[GunProfile]\nUpEdge=40", "40"},
        ReadCase{"comment_line", "[GunProfile]\n;UpEdge=40\n", std::nullopt},
        ReadCase{"indented_comment_line", "[GunProfile]\n  ; UpEdge=40\n", std::nullopt},
        ReadCase{"first_duplicate_key_wins", "[GunProfile]\nUpEdge=40\nupedge=50\n", "40"},
        ReadCase{"first_section_of_the_name_counts",
                 "[GunProfile]\nDownEdge=1\n[GunProfile]\nUpEdge=50\n", std::nullopt},
        ReadCase{"key_of_another_section", "[Other]\nUpEdge=40\n[GunProfile]\nDownEdge=1\n",
                 std::nullopt},
        ReadCase{"key_after_the_section_ended", "[GunProfile]\n[Other]\nUpEdge=40\n",
                 std::nullopt},
        ReadCase{"key_before_any_section", "UpEdge=40\n[GunProfile]\n", std::nullopt},
        ReadCase{"longer_key_is_another_key", "[GunProfile]\nUpEdge2=40\n", std::nullopt},
        ReadCase{"quoted_value", "[GunProfile]\nUpEdge=\"40\"\n", "40"},
        ReadCase{"single_quoted_value", "[GunProfile]\nUpEdge='40'\n", "40"},
        ReadCase{"key_without_equals", "[GunProfile]\nUpEdge\n", ""},
        ReadCase{"empty_value", "[GunProfile]\nUpEdge=   \n", ""},
        ReadCase{"value_holding_equals", "[GunProfile]\nUpEdge=4=0\n", "4=0"},
        ReadCase{"section_line_without_bracket_is_no_section", "[GunProfile\nUpEdge=40\n",
                 std::nullopt},
        ReadCase{"line_without_bracket_leaves_the_section_going",
                 "[GunProfile]\n[Other\nUpEdge=40\n", "40"},
        ReadCase{"bracket_on_another_line_closes_nothing", "[GunProfile\n]\nUpEdge=40\n",
                 std::nullopt},
        ReadCase{"text_after_the_bracket", "[GunProfile] ; ours\nUpEdge=40\n", "40"},
        ReadCase{"name_ends_at_the_first_bracket", "[GunProfile]x]\nUpEdge=40\n", "40"},
        ReadCase{"nul_bytes_are_ordinary_bytes", "[GunProfile]\n\0\0\nUp\0Edge=1\nUpEdge=4\0x\n"s,
                 std::string("4\0x", 3)},
        ReadCase{"empty_text", "", std::nullopt}));

struct NumberCase {
  std::string_view text;
  std::uint32_t number;
  friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class NumberReading : public testing::TestWithParam<NumberCase> {};

TEST_P(NumberReading, ReadsAsTheWindowsReaderDoes) {
  EXPECT_EQ(ProfileNumber(GetParam().text), GetParam().number);
}

INSTANTIATE_TEST_SUITE_P(
    PrivateProfile, NumberReading,
    testing::Values(NumberCase{"40", 40}, NumberCase{"007", 7}, NumberCase{" \t40 ", 40},
                    NumberCase{"+40", 40}, NumberCase{"-1", 4294967295u},
                    NumberCase{"-40", 4294967256u}, NumberCase{"40abc", 40},
                    NumberCase{"4 0", 4}, NumberCase{"abc", 0}, NumberCase{"0x10", 16},
                    NumberCase{"0o17", 15}, NumberCase{"0b101", 5}, NumberCase{"-0x10", 4294967280u},
                    NumberCase{"+0x10", 16}, NumberCase{" \t0x10", 16}, NumberCase{"0xff", 255},
                    NumberCase{"0xFF", 255}, NumberCase{"0XFF", 0}, NumberCase{"0O17", 0},
                    NumberCase{"0B101", 0}, NumberCase{"0x1g", 1}, NumberCase{"0o78", 7},
                    NumberCase{"0b102", 2}, NumberCase{"0x", 0}, NumberCase{"0b", 0},
                    NumberCase{"00x10", 0}, NumberCase{"0x-1", 0}, NumberCase{"0 x10", 0},
                    NumberCase{"- 5", 0}, NumberCase{"0x100000010", 16},
                    NumberCase{"0xFFFFFFFF", 4294967295u}, NumberCase{"-0b1", 4294967295u},
                    NumberCase{"\v\f40", 40}, NumberCase{"4\0""0"sv, 4},
                    NumberCase{"-", 0}, NumberCase{"+-1", 0}, NumberCase{"4294967295", 4294967295u},
                    NumberCase{"4294967296", 0}, NumberCase{"4294967297", 1},
                    NumberCase{"99999999999999999999", 1661992959u}));

struct WriteCase {
  const char* name;
  std::string before;
  std::string after;
  friend void PrintTo(const WriteCase& c, std::ostream* os) { *os << c.name; }
};

class WritingRule : public testing::TestWithParam<WriteCase> {};

// Every case writes UpEdge=5, so each shows one rule.
TEST_P(WritingRule, KeepsEveryOtherByte) {
  const ProfileString entry{"UpEdge", "5"};
  EXPECT_EQ(PutProfileStrings(GetParam().before, kSection, std::span(&entry, 1)),
            GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    PrivateProfile, WritingRule,
    testing::Values(
        WriteCase{"new_text_is_crlf", "", "[GunProfile]\r\nUpEdge=5\r\n"},
        WriteCase{"replaced_in_place_with_its_spelling_and_blanks",
                  "[gunprofile]\r\n  upedge = 40  \r\nDownEdge=1\r\n",
                  "[gunprofile]\r\n  upedge = 5  \r\nDownEdge=1\r\n"},
        WriteCase{"added_after_the_last_key_of_the_section",
                  "[GunProfile]\nA=1\n\n; about Other\n[Other]\nB=2\n",
                  "[GunProfile]\nA=1\nUpEdge=5\n\n; about Other\n[Other]\nB=2\n"},
        WriteCase{"added_below_a_section_without_keys", "[GunProfile]\n[Other]\n",
                  "[GunProfile]\nUpEdge=5\n[Other]\n"},
        WriteCase{"added_after_a_last_line_without_break", "[GunProfile]\nA=1",
                  "[GunProfile]\nA=1\nUpEdge=5\n"},
        WriteCase{"section_added_at_the_end", "; mine\r\n[Other]\r\nB=2\r\n",
                  "; mine\r\n[Other]\r\nB=2\r\n[GunProfile]\r\nUpEdge=5\r\n"},
        WriteCase{"section_added_after_a_last_line_without_break", "[Other]\nB=2",
                  "[Other]\nB=2\n[GunProfile]\nUpEdge=5\n"},
        WriteCase{"first_line_ending_decides", "[Other]\nB=2\r\n",
                  "[Other]\nB=2\r\n[GunProfile]\nUpEdge=5\n"},
        WriteCase{"byte_order_mark_kept", "\xEF\xBB\xBF[GunProfile]\r\nUpEdge=1\r\n",
                  "\xEF\xBB\xBF[GunProfile]\r\nUpEdge=5\r\n"},
        WriteCase{"only_the_first_duplicate_replaced", "[GunProfile]\nUpEdge=1\nUpEdge=2\n",
                  "[GunProfile]\nUpEdge=5\nUpEdge=2\n"},
        WriteCase{"only_the_first_section_of_the_name",
                  "[GunProfile]\nA=1\n[GunProfile]\nUpEdge=2\n",
                  "[GunProfile]\nA=1\nUpEdge=5\n[GunProfile]\nUpEdge=2\n"},
        WriteCase{"other_sections_keep_their_key", "[Other]\nUpEdge=2\n[GunProfile]\nA=1\n",
                  "[Other]\nUpEdge=2\n[GunProfile]\nA=1\nUpEdge=5\n"},
        WriteCase{"commented_key_left_alone", "[GunProfile]\n;UpEdge=1\n",
                  "[GunProfile]\nUpEdge=5\n;UpEdge=1\n"},
        WriteCase{"key_without_equals_gets_one", "[GunProfile]\nUpEdge\n",
                  "[GunProfile]\nUpEdge=5\n"},
        WriteCase{"empty_value_filled", "[GunProfile]\nUpEdge=  \n", "[GunProfile]\nUpEdge=5  \n"},
        WriteCase{"quotes_replaced_with_the_value", "[GunProfile]\nUpEdge=\"1\"\n",
                  "[GunProfile]\nUpEdge=5\n"},
        WriteCase{"nul_bytes_kept", "[Other]\n\0x\n"s, "[Other]\n\0x\n[GunProfile]\nUpEdge=5\n"s},
        WriteCase{"lone_cr_file_gets_lone_cr_lines", "[GunProfile]\rA=1\r",
                  "[GunProfile]\rA=1\rUpEdge=5\r"},
        WriteCase{"replaced_before_a_lone_cr", "[GunProfile]\rUpEdge=40\rA=1\r",
                  "[GunProfile]\rUpEdge=5\rA=1\r"},
        WriteCase{"replaced_after_a_lone_cr_inside_a_line", "[GunProfile]\r\nA=1\rUpEdge=40\r\n",
                  "[GunProfile]\r\nA=1\rUpEdge=5\r\n"},
        WriteCase{"section_added_after_a_last_lone_cr", "[Other]\nB=2\r",
                  "[Other]\nB=2\r[GunProfile]\nUpEdge=5\n"},
        WriteCase{"line_without_bracket_gets_a_proper_section", "[GunProfile\r\nUpEdge=40\r\n",
                  "[GunProfile\r\nUpEdge=40\r\n[GunProfile]\r\nUpEdge=5\r\n"},
        WriteCase{"added_after_a_line_without_bracket_in_the_section",
                  "[GunProfile]\nA=1\n[Other\n", "[GunProfile]\nA=1\n[Other\nUpEdge=5\n"},
        WriteCase{"utf16le_replaced_in_place", Utf16Le(u"[GunProfile]\r\nUpEdge=40\r\nA=1\r\n"),
                  Utf16Le(u"[GunProfile]\r\nUpEdge=5\r\nA=1\r\n")},
        WriteCase{"utf16le_mark_alone_gets_utf16le_lines", "\xFF\xFE",
                  Utf16Le(u"[GunProfile]\r\nUpEdge=5\r\n")},
        WriteCase{"utf16le_keeps_what_is_beyond_ascii",
                  Utf16Le(u"[Notes]\nOwner=Zo\u00eb \U0001F600\n"),
                  Utf16Le(u"[Notes]\nOwner=Zo\u00eb \U0001F600\n[GunProfile]\nUpEdge=5\n")},
        WriteCase{"utf16le_odd_last_byte_stays_last", Utf16Le(u"[GunProfile]\r\nA=1") + "\x01",
                  Utf16Le(u"[GunProfile]\r\nA=1\r\nUpEdge=5\r\n") + "\x01"},
        WriteCase{"utf16le_without_mark_is_8_bit_text", "[\0G\0]\0"s,
                  "[\0G\0]\0\r\n[GunProfile]\r\nUpEdge=5\r\n"s}));

TEST(PrivateProfileTest, WritesSeveralKeysInOneGoInTheirOrder) {
  const std::array<ProfileString, 3> entries = {{{"A", "7"}, {"B", "8"}, {"C", "9"}}};
  const std::string text = PutProfileStrings("[GunProfile]\r\nb=1\r\n", kSection, entries);
  EXPECT_EQ(text, "[GunProfile]\r\nb=8\r\nA=7\r\nC=9\r\n");
  constexpr std::array<std::string_view, 3> keys = {"c", "a", "b"};
  const auto values = GetProfileStrings(text, kSection, keys);
  EXPECT_EQ(values[0], "9");
  EXPECT_EQ(values[1], "7");
  EXPECT_EQ(values[2], "8");
}

// Texts made of the pieces the rules turn on, in any order: whatever a file
// holds, what a save writes is what a load reads back, and saving the same
// again changes no byte.
TEST(PrivateProfileTest, ReadsBackWhatItWroteIntoAnyText) {
  constexpr std::array<std::string_view, 16> pieces = {
      "[", "]", "=", ";", "\r", "\n", "\r\n", " ", "\"", "'", "\0"sv, "GunProfile",
      "gunprofile", "UpEdge", "a", "5"};
  constexpr std::array<ProfileString, 2> entries = {{{"UpEdge", "7"}, {"A", "8"}}};
  constexpr std::array<std::string_view, 2> keys = {"upedge", "a"};
  std::mt19937 random(11);
  for (int round = 0; round < 10000; ++round) {
    std::string text;
    for (std::size_t n = random() % 24; n > 0; --n) text += pieces[random() % pieces.size()];
    std::string file = text;
    if (round % 3 == 1) file = "\xEF\xBB\xBF" + text;
    if (round % 3 == 2) {
      file = Utf16Le(std::u16string(text.begin(), text.end()));
      if (round % 2) file += 'x';  // an odd last byte
    }
    const std::string saved = PutProfileStrings(file, kSection, entries);
    const auto values = GetProfileStrings(saved, kSection, keys);
    ASSERT_EQ(values[0], "7") << testing::PrintToString(file);
    ASSERT_EQ(values[1], "8") << testing::PrintToString(file);
    ASSERT_EQ(PutProfileStrings(saved, kSection, entries), saved) << testing::PrintToString(file);
    ASSERT_TRUE(saved.starts_with(file.substr(0, 2))) << testing::PrintToString(file);
  }
}

}  // namespace
}  // namespace vantor
