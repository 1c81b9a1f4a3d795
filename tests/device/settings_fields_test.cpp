// The field table against report 2 as the adapter lays it out: settings
// whose every field holds a value of its own, written out member by member,
// and the 42 bytes they travel as, written out byte by byte. A field with a
// wrong offset, width or flag bit, or missing from the table, fails here.
#include <gtest/gtest.h>

#include <ostream>

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

GunSettings CountingUp() {
  GunSettings s;
  s.ButtonMap1 = 0x01, s.ButtonMap2 = 0x02, s.ButtonMap3 = 0x03, s.ButtonMap4 = 0x04;
  s.ButtonMap5 = 0x05, s.ButtonMap6 = 0x06, s.ButtonMap7 = 0x07, s.ButtonMap8 = 0x08;
  s.ButtonMap9 = 0x09, s.ButtonMap10 = 0x0A;
  s.AutoFire1 = 0x0B, s.AutoFire2 = 0x0C, s.AutoFire3 = 0x0D, s.AutoFire4 = 0x0E;
  s.AutoFire5 = 0x0F, s.AutoFire6 = 0x10, s.AutoFire7 = 0x11, s.AutoFire8 = 0x12;
  s.AutoFire9 = 0x13, s.AutoFire10 = 0x14;
  s.SetOffScreenAs = 0x15;
  s.ButtonRemap1 = 0x16, s.ButtonRemap2 = 0x17, s.ButtonRemap3 = 0x18;
  s.ButtonRemap4 = 0x19, s.ButtonRemap5 = 0x1A, s.ButtonRemap6 = 0x1B;
  s.FreeMouseCursor = 1;
  s.Sensitivity = 0x1C;
  s.UpEdge = 0x1D1E;
  s.DownEdge = 0x1F20;
  s.LeftEdge = 0x2122;
  s.RightEdge = 0x2324;
  s.UseCentering = 0;
  s.XCenter = 0x2526;
  s.YCenter = 0x2728;
  return s;
}

GunSettings CountingDown() {
  GunSettings s;
  s.ButtonMap1 = 0xFE, s.ButtonMap2 = 0xFD, s.ButtonMap3 = 0xFC, s.ButtonMap4 = 0xFB;
  s.ButtonMap5 = 0xFA, s.ButtonMap6 = 0xF9, s.ButtonMap7 = 0xF8, s.ButtonMap8 = 0xF7;
  s.ButtonMap9 = 0xF6, s.ButtonMap10 = 0xF5;
  s.AutoFire1 = 0xF4, s.AutoFire2 = 0xF3, s.AutoFire3 = 0xF2, s.AutoFire4 = 0xF1;
  s.AutoFire5 = 0xF0, s.AutoFire6 = 0xEF, s.AutoFire7 = 0xEE, s.AutoFire8 = 0xED;
  s.AutoFire9 = 0xEC, s.AutoFire10 = 0xEB;
  s.SetOffScreenAs = 0xEA;
  s.ButtonRemap1 = 0xE9, s.ButtonRemap2 = 0xE8, s.ButtonRemap3 = 0xE7;
  s.ButtonRemap4 = 0xE6, s.ButtonRemap5 = 0xE5, s.ButtonRemap6 = 0xE4;
  s.FreeMouseCursor = 0;
  s.Sensitivity = 0xE3;
  s.UpEdge = 0xC1C2;
  s.DownEdge = 0xC3C4;
  s.LeftEdge = 0xC5C6;
  s.RightEdge = 0xC7C8;
  s.UseCentering = 1;
  s.XCenter = 0xC9CA;
  s.YCenter = 0xCBCC;
  return s;
}

// Byte by byte: ID; left, right, top, bottom edge, X and Y centering, each
// low byte first; sensitivity; ten actions; ten repeat rates; the flags
// (0x02 centering, 0x04 free mouse); six keys; the off-screen button.
const LiteralCase kLiteralCases[] = {
    {"CountingUpWithFreeMouse", CountingUp(),
     {0x02,                                            //
      0x22, 0x21, 0x24, 0x23, 0x1E, 0x1D, 0x20, 0x1F,  // edges
      0x26, 0x25, 0x28, 0x27,                          // centering
      0x1C,                                            // sensitivity
      0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A,
      0x0B, 0x0C, 0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14,
      0x04,                                            // free mouse
      0x16, 0x17, 0x18, 0x19, 0x1A, 0x1B,
      0x15}},
    {"CountingDownWithCentering", CountingDown(),
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
// through them land on the bytes of CountingUp().
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
