// The field table against report 2 as the adapter lays it out: settings
// whose every field holds a value of its own, written out member by member,
// and the 42 bytes they travel as, written out byte by byte. A field with a
// wrong offset, width or flag bit, or missing from the table, fails here.
#include <gtest/gtest.h>

#include <ostream>
#include <utility>

#include "device/settings_fields.h"
#include "device/settings_report.h"

namespace vantor {
namespace {

struct LiteralCase {
  const char* name;
  GunSettings settings;
  SettingsReport report;
  friend void PrintTo(const LiteralCase& c, std::ostream* os) { *os << c.name; }
};

// Every field a value of its own, spelled out member by member: the byte
// fields take first, first + step, ... in their stored order, the 16-bit
// ones wordFirst, wordFirst + 0x0202, ...; one of the two flags is on.
GunSettings EveryFieldItsOwn(int first, int step, int wordFirst, bool freeMouse) {
  int next = first;
  auto byte = [&] { return static_cast<std::uint8_t>(std::exchange(next, next + step)); };
  int nextWord = wordFirst;
  auto word = [&] { return static_cast<std::uint16_t>(std::exchange(nextWord, nextWord + 0x0202)); };
  GunSettings s;
  s.ButtonMap1 = byte(), s.ButtonMap2 = byte(), s.ButtonMap3 = byte(), s.ButtonMap4 = byte();
  s.ButtonMap5 = byte(), s.ButtonMap6 = byte(), s.ButtonMap7 = byte(), s.ButtonMap8 = byte();
  s.ButtonMap9 = byte(), s.ButtonMap10 = byte();
  s.AutoFire1 = byte(), s.AutoFire2 = byte(), s.AutoFire3 = byte(), s.AutoFire4 = byte();
  s.AutoFire5 = byte(), s.AutoFire6 = byte(), s.AutoFire7 = byte(), s.AutoFire8 = byte();
  s.AutoFire9 = byte(), s.AutoFire10 = byte();
  s.SetOffScreenAs = byte();
  s.ButtonRemap1 = byte(), s.ButtonRemap2 = byte(), s.ButtonRemap3 = byte();
  s.ButtonRemap4 = byte(), s.ButtonRemap5 = byte(), s.ButtonRemap6 = byte();
  s.FreeMouseCursor = freeMouse ? 1 : 0;
  s.Sensitivity = byte();
  s.UpEdge = word();
  s.DownEdge = word();
  s.LeftEdge = word();
  s.RightEdge = word();
  s.UseCentering = freeMouse ? 0 : 1;
  s.XCenter = word();
  s.YCenter = word();
  return s;
}

// Byte by byte: ID; left, right, top, bottom edge, X and Y centering, each
// low byte first; sensitivity; ten actions; ten repeat rates; the flags
// (0x02 centering, 0x04 free mouse); six keys; the off-screen button.
const LiteralCase kLiteralCases[] = {
    {"CountingUpWithFreeMouse", EveryFieldItsOwn(0x01, 1, 0x1D1E, true),
     {0x02,                                            //
      0x22, 0x21, 0x24, 0x23, 0x1E, 0x1D, 0x20, 0x1F,  // edges
      0x26, 0x25, 0x28, 0x27,                          // centering
      0x1C,                                            // sensitivity
      0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
      0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14,
      0x04,                                            // free mouse
      0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B,
      0x15}},
    {"CountingDownWithCentering", EveryFieldItsOwn(0xFE, -1, 0xC1C2, false),
     {0x02,                                            //
      0xC6, 0xC5, 0xC8, 0xC7, 0xC2, 0xC1, 0xC4, 0xC3,  // edges
      0xCA, 0xC9, 0xCC, 0xCB,                          // centering
      0xE3,                                            // sensitivity
      0xFE, 0xFD, 0xFC, 0xFB, 0xFA, 0xF9, 0xF8, 0xF7, 0xF6, 0xF5,
      0xF4, 0xF3, 0xF2, 0xF1, 0xF0, 0xEF, 0xEE, 0xED, 0xEC, 0xEB,
      0x02,                                            // centering on
      0xE9, 0xE8, 0xE7, 0xE6, 0xE5, 0xE4,
      0xEA}},
};

class FieldTableAgainstReport : public testing::TestWithParam<LiteralCase> {};

TEST_P(FieldTableAgainstReport, EncodesToTheLiteralBytes) {
  EXPECT_EQ(EncodeSettingsReport(GetParam().settings), GetParam().report);
}

TEST_P(FieldTableAgainstReport, DecodesTheLiteralBytes) {
  GunSettings decoded;
  DecodeSettingsReport(GetParam().report, decoded);
  EXPECT_EQ(decoded, GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(KnownSettings, FieldTableAgainstReport, testing::ValuesIn(kLiteralCases),
                         [](const auto& tc) { return std::string(tc.param.name); });

// A profile without keys and the pages' "Default" take these.
TEST(SettingsFieldsTest, DefaultsAreTheFactorySettings) {
  GunSettings factory;
  factory.ButtonMap1 = 1, factory.ButtonMap2 = 4, factory.ButtonMap3 = 2, factory.ButtonMap4 = 6;
  factory.ButtonMap5 = 5, factory.ButtonMap6 = 3, factory.ButtonMap7 = 8, factory.ButtonMap8 = 8;
  factory.ButtonMap9 = 8, factory.ButtonMap10 = 8;
  factory.FreeMouseCursor = 1;
  factory.UpEdge = 31, factory.DownEdge = 255, factory.LeftEdge = 137, factory.RightEdge = 711;
  EXPECT_EQ(ProfileDefaultSettings(), factory);
}

// The runs that loops index by gun button and by remap: the same values set
// through them land on the bytes of the first case.
TEST(SettingsFieldsTest, RunsFollowTheGunButtonAndRemapOrder) {
  GunSettings s;
  for (std::size_t i = 0; i < kGunButtonCount; ++i) {
    s.*kButtonMapFields[i] = static_cast<std::uint8_t>(0x01 + i);
    s.*kAutoFireFields[i] = static_cast<std::uint8_t>(0x0B + i);
  }
  for (std::size_t i = 0; i < kRemapCount; ++i)
    s.*kButtonRemapFields[i] = static_cast<std::uint8_t>(0x16 + i);
  const SettingsReport encoded = EncodeSettingsReport(s);
  const SettingsReport& literal = kLiteralCases[0].report;
  for (std::size_t at = 14; at <= 33; ++at) EXPECT_EQ(encoded[at], literal[at]) << "byte " << at;
  for (std::size_t at = 35; at <= 40; ++at) EXPECT_EQ(encoded[at], literal[at]) << "byte " << at;
}

}  // namespace
}  // namespace vantor
