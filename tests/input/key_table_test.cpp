#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "input/key_table.h"

namespace vantor {
namespace {

TEST(KeyTableTest, CodesWithoutEntryAreNil) {
  for (int code : {0, 61, 64, 66, 72, 79, 255})
    EXPECT_EQ(KeyNameFromCode(static_cast<std::uint8_t>(code)), "nil") << code;
}

TEST(KeyTableTest, NamesMatchExactly) {
  const std::pair<const char*, int> cases[] = {
      {"PageDown", 78}, {"pagedown", 0}, {"ESC", 0}, {"Esc", 5}, {"A", 0},
      {"a", 35},        {"z", 60},       {"", 0},    {"nil", 0}, {"BackSpace", 65}};
  for (const auto& [name, code] : cases) EXPECT_EQ(KeyCodeFromName(name), code) << name;
}

// Every code survives name and back; a code without an entry comes back 0.
TEST(KeyTableTest, CodeToNameToCodeRoundTrip) {
  int withEntry = 0;
  for (int code = 0; code <= 255; ++code) {
    const auto c = static_cast<std::uint8_t>(code);
    const std::uint8_t back = KeyCodeFromName(KeyNameFromCode(c));
    const bool hasEntry = KeyNameFromCode(c) != "nil";
    EXPECT_EQ(back, hasEntry ? c : 0) << code;
    withEntry += hasEntry;
  }
  EXPECT_EQ(withEntry, 67);
}

TEST(KeyTableTest, NamesInOfferedOrder) {
  std::vector<std::string> names;
  for (const KeyEntry& e : kKeyTable) names.emplace_back(e.Name);
  std::vector<std::string> expected = {"nil", "Up arrow", "Down arrow", "Left arrow",
                                       "Right arrow", "Esc", "Enter", "Left ctrl",
                                       "Right ctrl", "Alt", "Space", "Tab", "Shift"};
  for (int f = 1; f <= 12; ++f) expected.push_back("F" + std::to_string(f));
  for (char d = '0'; d <= '9'; ++d) expected.emplace_back(1, d);
  for (char l = 'a'; l <= 'z'; ++l) expected.emplace_back(1, l);
  for (const char* n : {"BackSpace", "Insert", "Delete", "Home", "End", "PageUp", "PageDown"})
    expected.emplace_back(n);
  EXPECT_EQ(names, expected);
}

TEST(KeyTableTest, Keystrokes) {
  struct Case {
    int code;
    Keystroke stroke;
  };
  const Case cases[] = {
      {10, {0x20, 0x39, false}}, {7, {0x11, 0x1D, false}}, {8, {0x11, 0x1D, true}},
      {1, {0x26, 0x48, true}},   {35, {0x41, 0x1E, false}}, {60, {0x5A, 0x2C, false}},
      {24, {0x7B, 0x58, false}}, {25, {0x30, 0x0B, false}}, {34, {0x39, 0x0A, false}},
      {78, {0x22, 0x51, true}},  {65, {0x08, 0x0E, false}}, {12, {0x10, 0x2A, false}}};
  for (const Case& c : cases)
    EXPECT_EQ(KeystrokeForCode(static_cast<std::uint8_t>(c.code)), c.stroke) << c.code;
  for (int none : {0, 61, 72, 79, 255})
    EXPECT_EQ(KeystrokeForCode(static_cast<std::uint8_t>(none)), std::nullopt) << none;
}

}  // namespace
}  // namespace vantor
