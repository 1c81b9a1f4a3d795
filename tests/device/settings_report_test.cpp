#include <gtest/gtest.h>

#include "device/settings_report.h"
#include "device/simulated_hid_bus.h"

namespace vantor {
namespace {

TEST(SettingsReportTest, EncodesEveryFieldAtItsOffset) {
  GunSettings s;
  s.LeftEdge = 0x1234;
  s.RightEdge = 0x0102;
  s.UpEdge = 31;
  s.DownEdge = 0xFFFF;
  s.XCenter = 0x0A0B;
  s.YCenter = 0x0C0D;
  s.Sensitivity = 7;
  for (std::size_t i = 0; i < kGunButtonCount; ++i) {
    s.*kButtonMapFields[i] = static_cast<std::uint8_t>(i + 1);
    s.*kAutoFireFields[i] = static_cast<std::uint8_t>(100 + i);
  }
  for (std::size_t i = 0; i < kRemapCount; ++i)
    s.*kButtonRemapFields[i] = static_cast<std::uint8_t>(70 + i);
  s.SetOffScreenAs = 5;
  s.UseCentering = 1;

  const SettingsReport r = EncodeSettingsReport(s);
  const SettingsReport expected = {
      2,    0x34, 0x12, 0x02, 0x01, 31,  0,   0xFF, 0xFF, 0x0B, 0x0A, 0x0D, 0x0C,
      7,    1,    2,    3,    4,    5,   6,   7,    8,    9,    10,   100,  101,
      102,  103,  104,  105,  106,  107, 108, 109,  0x02, 70,   71,   72,   73,
      74,   75,   5};
  EXPECT_EQ(r, expected);
}

TEST(SettingsReportTest, DecodesLittleEndianEdges) {
  SettingsReport r{};
  r[0] = 2;
  r[1] = 0x89;  // bytes 1-2: left edge
  r[2] = 0x00;
  r[7] = 0x34;  // bytes 7-8: bottom edge
  r[8] = 0x12;
  GunSettings s;
  DecodeSettingsReport(r, s);
  EXPECT_EQ(s.LeftEdge, 137);
  EXPECT_EQ(s.DownEdge, 0x1234);
}

struct FlagCase {
  std::uint8_t useCentering, freeMouse, byte34;
  friend void PrintTo(const FlagCase& c, std::ostream* os) {
    *os << int(c.useCentering) << '/' << int(c.freeMouse);
  }
};

class FlagEncoding : public testing::TestWithParam<FlagCase> {};

TEST_P(FlagEncoding, PacksBothFlagsIntoByte34) {
  GunSettings s;
  s.UseCentering = GetParam().useCentering;
  s.FreeMouseCursor = GetParam().freeMouse;
  EXPECT_EQ(EncodeSettingsReport(s)[34], GetParam().byte34);
}

INSTANTIATE_TEST_SUITE_P(Flags, FlagEncoding,
                         testing::Values(FlagCase{0, 0, 0x00}, FlagCase{1, 0, 0x02},
                                         FlagCase{0, 1, 0x04}, FlagCase{1, 1, 0x06},
                                         FlagCase{5, 0, 0x02}, FlagCase{0, 255, 0x04}));

TEST(SettingsReportTest, Byte34AllOnesSetsBothFlagsAndNothingElse) {
  SettingsReport r{};
  r[0] = 2;
  r[34] = 0xFF;
  GunSettings s;
  DecodeSettingsReport(r, s);
  GunSettings expected;
  expected.UseCentering = 1;
  expected.FreeMouseCursor = 1;
  EXPECT_EQ(s, expected);
}

// Flags 0 and 1 survive the round trip; any other non-zero flag comes back 1.
TEST(SettingsReportTest, RoundTripKeepsValuesAndNormalisesFlags) {
  for (std::uint8_t flag : {0, 1, 5}) {
    GunSettings s = ProfileDefaultSettings();
    s.UseCentering = flag;
    s.FreeMouseCursor = flag;
    s.XCenter = 0xFFFF;
    s.ButtonMap7 = 0xEE;
    GunSettings back;
    DecodeSettingsReport(EncodeSettingsReport(s), back);
    GunSettings expected = s;
    expected.UseCentering = expected.FreeMouseCursor = flag ? 1 : 0;
    EXPECT_EQ(back, expected) << "flag value " << int(flag);
  }
}

class ReadSettingsTest : public testing::Test {
 protected:
  ReadSettingsTest() : bus(1) {
    entry.DeviceHandle = bus.Open(bus.Adapters()[0].Path, nullptr);
    entry.Settings.Sensitivity = 99;  // a marker that a failed read keeps
  }
  SimulatedHidBus bus;
  GunDevice entry;
};

TEST_F(ReadSettingsTest, ReadsTheAdaptersBytes) {
  GunSettings stored = ProfileDefaultSettings();
  stored.LeftEdge = 4000;
  bus.Adapters()[0].Stored = EncodeSettingsReport(stored);
  entry.Settings = {};
  ASSERT_TRUE(ReadSettingsReport(bus, entry));
  EXPECT_EQ(entry.Settings, stored);
}

TEST_F(ReadSettingsTest, FailedOrShortReplyLeavesEntryUntouched) {
  for (int replyLength : {0, 1, 41}) {
    bus.Adapters()[0].ReplyLength = replyLength;
    EXPECT_FALSE(ReadSettingsReport(bus, entry)) << replyLength;
    EXPECT_EQ(entry.Settings, GunSettings{.Sensitivity = 99}) << replyLength;
  }
  bus.Adapters()[0].ReplyLength = 42;
  bus.Adapters()[0].RefuseGet = true;
  EXPECT_FALSE(ReadSettingsReport(bus, entry));
  EXPECT_EQ(entry.Settings.Sensitivity, 99);
}

TEST_F(ReadSettingsTest, WriteSendsTheEncodedReport) {
  entry.Settings = ProfileDefaultSettings();
  entry.Settings.ButtonMap6 = MouseAction::Reload;
  ASSERT_TRUE(WriteSettingsReport(bus, entry));
  EXPECT_EQ(bus.Adapters()[0].Stored, EncodeSettingsReport(entry.Settings));
  EXPECT_EQ(bus.Adapters()[0].Stored[19], MouseAction::Reload);

  bus.Adapters()[0].RefuseSet = true;
  entry.Settings.ButtonMap6 = 1;
  EXPECT_FALSE(WriteSettingsReport(bus, entry));
  EXPECT_EQ(entry.Settings.ButtonMap6, 1) << "edits stay in memory";
  EXPECT_EQ(bus.Adapters()[0].Stored[19], MouseAction::Reload);
}

}  // namespace
}  // namespace vantor
