// Transcripts: the remaps of one gun, the flags of its reports in order,
// and the key events and WheelHeld each report must leave.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "input/button_flags.h"
#include "input/button_translator.h"
#include "tests/input/recording_key_sink.h"

namespace vantor {
namespace {

using namespace ButtonFlags;

constexpr std::uint16_t kMove = 0;  // a report with movement only

// Keystrokes of the key table, as the sink sees them.
const KeyEvent kSpaceDown = Down(0x20, 0x39), kSpaceUp = Up(0x20, 0x39);
const KeyEvent kRctrlDown = Down(0x11, 0x1D, true), kRctrlUp = Up(0x11, 0x1D, true);
const KeyEvent kADown = Down(0x41, 0x1E), kAUp = Up(0x41, 0x1E);
const KeyEvent kBDown = Down(0x42, 0x30), kBUp = Up(0x42, 0x30);
const KeyEvent kUpArrowDown = Down(0x26, 0x48, true), kUpArrowUp = Up(0x26, 0x48, true);

struct Step {
  std::uint16_t Flags;
  std::vector<KeyEvent> Keys;
  std::uint8_t WheelHeldAfter;
};

struct Transcript {
  std::string Name;
  std::array<std::uint8_t, 6> Remaps;  // ButtonRemap1..6
  std::uint8_t WheelHeldBefore;
  std::vector<Step> Steps;
};

void PrintTo(const Transcript& t, std::ostream* os) { *os << t.Name; }

class TranslatorTranscript : public testing::TestWithParam<Transcript> {};

TEST_P(TranslatorTranscript, SendsTheKeysInOrder) {
  const Transcript& t = GetParam();
  GunDevice gun;
  for (std::size_t i = 0; i < t.Remaps.size(); ++i) gun.Settings.*kButtonRemapFields[i] = t.Remaps[i];
  gun.WheelHeld = t.WheelHeldBefore;
  for (std::size_t i = 0; i < t.Steps.size(); ++i) {
    RecordingKeySink keys;
    TranslateButtons(t.Steps[i].Flags, gun, keys);
    EXPECT_THAT(keys.Events, testing::ElementsAreArray(t.Steps[i].Keys)) << "report " << i;
    EXPECT_EQ(gun.WheelHeld, t.Steps[i].WheelHeldAfter) << "report " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Buttons, TranslatorTranscript,
    testing::Values(
        Transcript{"NilSendsNothing", {0, 0, 0, 0, 0, 0}, 0,
                   {{Button1Down, {}, 0}, {Button1Up, {}, 0}}},
        Transcript{"SpaceDownThenUp", {10, 0, 0, 0, 0, 0}, 0,
                   {{Button1Down, {kSpaceDown}, 0}, {kMove, {}, 0}, {Button1Up, {kSpaceUp}, 0}}},
        Transcript{"RightCtrlIsExtended", {0, 0, 8, 0, 0, 0}, 0,
                   {{Button3Down, {kRctrlDown}, 0}, {Button3Up, {kRctrlUp}, 0}}},
        Transcript{"ReleaseOfButton1BeforePressOfButton2", {35, 36, 0, 0, 0, 0}, 0,
                   {{Button1Down, {kADown}, 0}, {Button2Down | Button1Up, {kAUp, kBDown}, 0}}},
        Transcript{"PressBeforeReleaseInOneReport", {10, 0, 0, 0, 0, 0}, 0,
                   {{Button1Down | Button1Up, {kSpaceDown, kSpaceUp}, 0}}},
        Transcript{"SharedKeyReleasedByFirstUp", {35, 35, 0, 0, 0, 0}, 0,
                   {{Button1Down, {kADown}, 0},
                    {Button2Down, {kADown}, 0},
                    {Button1Up, {kAUp}, 0},
                    {Button2Up, {kAUp}, 0}}},
        Transcript{"AscendingButtonOrder", {1, 10, 8, 35, 36, 0}, 0,
                   {{Button5Down | Button4Down | Button3Down | Button2Down | Button1Down,
                     {kUpArrowDown, kSpaceDown, kRctrlDown, kADown, kBDown}, 0}}},
        Transcript{"CodesOutOfRangeOrWithoutEntrySendNothing", {62, 100, 79, 255, 66, 0}, 0,
                   {{Button1Down | Button2Down | Button3Down | Button4Down | Button5Down, {}, 0},
                    {Button1Up | Button2Up | Button3Up | Button4Up | Button5Up, {}, 0}}},
        Transcript{"OtherBitsIgnored", {10, 0, 0, 0, 0, 0}, 0, {{0xF800, {}, 0}}}),
    [](const auto& test) { return test.param.Name; });

INSTANTIATE_TEST_SUITE_P(
    Wheel, TranslatorTranscript,
    testing::Values(
        Transcript{"HeldUntilReportWithoutWheel", {0, 0, 0, 0, 0, 1}, 0,
                   {{Wheel, {kUpArrowDown}, 1}, {Wheel, {}, 1}, {kMove, {kUpArrowUp}, 0}}},
        Transcript{"ButtonReportReleasesAfterItsButtons", {10, 0, 0, 0, 0, 1}, 0,
                   {{Wheel, {kUpArrowDown}, 1}, {Button1Down, {kSpaceDown, kUpArrowUp}, 0}}},
        Transcript{"WheelWithButtonPress", {10, 0, 0, 0, 0, 1}, 0,
                   {{Wheel | Button1Down, {kSpaceDown, kUpArrowDown}, 1}}},
        Transcript{"NilFollowsTheWheelSilently", {0, 0, 0, 0, 0, 0}, 0,
                   {{Wheel, {}, 1}, {Wheel, {}, 1}, {kMove, {}, 0}}},
        Transcript{"InRangeWithoutEntryFollowsSilently", {0, 0, 0, 0, 0, 62}, 0,
                   {{Wheel, {}, 1}, {kMove, {}, 0}}},
        Transcript{"AboveRangeLeavesWheelHeldAlone", {0, 0, 0, 0, 0, 100}, 0,
                   {{Wheel, {}, 0}, {kMove, {}, 0}}},
        Transcript{"AboveRangeKeepsAHeldWheel", {0, 0, 0, 0, 0, 100}, 1,
                   {{kMove, {}, 1}, {Wheel, {}, 1}}}),
    [](const auto& test) { return test.param.Name; });

// The remaps are read on every report: what was stored in between applies.
TEST(TranslatorTest, ReadsTheRemapsAfresh) {
  GunDevice gun;
  RecordingKeySink keys;
  gun.Settings.ButtonRemap2 = 10;
  TranslateButtons(Button2Down | Button2Up, gun, keys);
  gun.Settings.ButtonRemap2 = 35;
  TranslateButtons(Button2Down, gun, keys);
  EXPECT_THAT(keys.Events, testing::ElementsAre(kSpaceDown, kSpaceUp, kADown));
}

}  // namespace
}  // namespace vantor
