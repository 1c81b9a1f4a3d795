// Transcripts: the remaps of one gun, the flags of its reports in order
// (some with the remaps changed before them, as the Keys Mapping page or a
// profile changes them), and the key events and WheelHeld each report must
// leave.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string>
#include <tuple>
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

using RemapCodes = std::array<std::uint8_t, 6>;  // ButtonRemap1..6

struct Step {
  std::uint16_t Flags;
  std::vector<KeyEvent> Keys;
  std::uint8_t WheelHeldAfter;
  std::optional<RemapCodes> RemapsBefore = std::nullopt;  // stored before this report
};

struct Transcript {
  std::string Name;
  RemapCodes Remaps;
  std::uint8_t WheelHeldBefore;
  std::vector<Step> Steps;
};

void PrintTo(const Transcript& t, std::ostream* os) { *os << t.Name; }

void SetRemaps(GunDevice& gun, const RemapCodes& remaps) {
  for (std::size_t i = 0; i < remaps.size(); ++i) gun.Settings.*kButtonRemapFields[i] = remaps[i];
}

class TranslatorTranscript : public testing::TestWithParam<Transcript> {};

TEST_P(TranslatorTranscript, SendsTheKeysInOrder) {
  const Transcript& t = GetParam();
  GunDevice gun;
  SetRemaps(gun, t.Remaps);
  gun.WheelHeld = t.WheelHeldBefore;
  RecordingKeySink keys;
  ButtonTranslator translator(keys);
  for (std::size_t i = 0; i < t.Steps.size(); ++i) {
    if (t.Steps[i].RemapsBefore) SetRemaps(gun, *t.Steps[i].RemapsBefore);
    keys.Events.clear();
    translator.TranslateButtons(t.Steps[i].Flags, gun);
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

// A press reads the remap as it is then; its release sends the key that
// went down, whatever was stored in between. Each of these left a key down
// (or sent a stray release) when releases read the remap afresh.
INSTANTIATE_TEST_SUITE_P(
    RemapChangedWhileHeld, TranslatorTranscript,
    testing::Values(
        Transcript{"ReleaseSendsThePressedKey", {10, 0, 0, 0, 0, 0}, 0,
                   {{Button1Down, {kSpaceDown}, 0},
                    {Button1Up, {kSpaceUp}, 0, RemapCodes{35, 0, 0, 0, 0, 0}},
                    {Button1Down, {kADown}, 0},
                    {Button1Up, {kAUp}, 0}}},
        Transcript{"ChangedToNilStillReleases", {0, 0, 8, 0, 0, 0}, 0,
                   {{Button3Down, {kRctrlDown}, 0},
                    {Button3Up, {kRctrlUp}, 0, RemapCodes{0, 0, 0, 0, 0, 0}}}},
        Transcript{"ChangedOutOfRangeStillReleases", {0, 0, 0, 0, 36, 0}, 0,
                   {{Button5Down, {kBDown}, 0},
                    {Button5Up, {kBUp}, 0, RemapCodes{0, 0, 0, 0, 100, 0}}}},
        Transcript{"PressedOnNilReleasesNothing", {0, 0, 0, 0, 0, 0}, 0,
                   {{Button1Down, {}, 0}, {Button1Up, {}, 0, RemapCodes{10, 0, 0, 0, 0, 0}}}},
        Transcript{"PressInOneReportWithReleaseOfTheOldKey", {10, 0, 0, 0, 0, 0}, 0,
                   {{Button1Down, {kSpaceDown}, 0},
                    {Button1Up | Button2Down, {kSpaceUp, kBDown}, 0, RemapCodes{35, 36, 0, 0, 0, 0}},
                    {Button2Up, {kBUp}, 0, RemapCodes{0, 0, 0, 0, 0, 0}}}},
        Transcript{"SharedKeyStillReleasedByFirstUp", {35, 35, 0, 0, 0, 0}, 0,
                   {{Button1Down, {kADown}, 0},
                    {Button2Down, {kADown}, 0},
                    {Button1Up, {kAUp}, 0, RemapCodes{10, 36, 0, 0, 0, 0}},
                    {Button2Up, {kAUp}, 0}}},
        // A release lost on the way: the old key goes up before the new one
        // goes down, so that nothing is left to hold the old one.
        Transcript{"DownAgainWithoutUpReleasesTheOldKeyFirst", {10, 0, 0, 0, 0, 0}, 0,
                   {{Button1Down, {kSpaceDown}, 0},
                    {Button1Down, {kSpaceUp, kADown}, 0, RemapCodes{35, 0, 0, 0, 0, 0}},
                    {Button1Up, {kAUp}, 0}}},
        Transcript{"WheelReleasesThePressedKey", {0, 0, 0, 0, 0, 1}, 0,
                   {{Wheel, {kUpArrowDown}, 1},
                    {Wheel, {}, 1, RemapCodes{0, 0, 0, 0, 0, 35}},
                    {kMove, {kUpArrowUp}, 0},
                    {Wheel, {kADown}, 1}}},
        Transcript{"WheelChangedToNilStillReleases", {0, 0, 0, 0, 0, 1}, 0,
                   {{Wheel, {kUpArrowDown}, 1}, {kMove, {kUpArrowUp}, 0, RemapCodes{0, 0, 0, 0, 0, 0}}}},
        // Above 78 WheelHeld keeps its value, but the key it pressed goes.
        Transcript{"WheelChangedAboveRangeStillReleases", {0, 0, 0, 0, 0, 1}, 0,
                   {{Wheel, {kUpArrowDown}, 1},
                    {kMove, {kUpArrowUp}, 1, RemapCodes{0, 0, 0, 0, 0, 100}},
                    {kMove, {}, 0, RemapCodes{0, 0, 0, 0, 0, 1}}}},
        Transcript{"WheelStartedOnNilSendsNoStrayRelease", {0, 0, 0, 0, 0, 0}, 0,
                   {{Wheel, {}, 1}, {Wheel, {}, 1, RemapCodes{0, 0, 0, 0, 0, 1}}, {kMove, {}, 0}}}),
    [](const auto& test) { return test.param.Name; });

// The remaps are read on every press: what was stored in between applies.
TEST(TranslatorTest, ReadsTheRemapsAfresh) {
  GunDevice gun;
  RecordingKeySink keys;
  ButtonTranslator translator(keys);
  gun.Settings.ButtonRemap2 = 10;
  translator.TranslateButtons(Button2Down | Button2Up, gun);
  gun.Settings.ButtonRemap2 = 35;
  translator.TranslateButtons(Button2Down, gun);
  EXPECT_THAT(keys.Events, testing::ElementsAre(kSpaceDown, kSpaceUp, kADown));
}

// Two adapters: one whose buttons 1 and 3 and wheel hold keys, one whose
// button 2 does.
class HeldKeysTest : public testing::Test {
 protected:
  void SetUp() override {
    SetRemaps(first, {10, 0, 8, 0, 0, 1});
    SetRemaps(second, {0, 35, 0, 0, 0, 0});
    translator.TranslateButtons(Button3Down | Button1Down | Wheel, first);
    translator.TranslateButtons(Button2Down, second);
    keys.Events.clear();
  }

  GunDevice first, second;
  RecordingKeySink keys;
  ButtonTranslator translator{keys};
};

TEST_F(HeldKeysTest, OneAdaptersEndReleasesItsButtonsThenItsWheel) {
  SetRemaps(first, {0, 0, 0, 0, 0, 0});  // what it says now does not matter
  translator.ReleaseHeldKeys(first);
  EXPECT_THAT(keys.Events, testing::ElementsAre(kSpaceUp, kRctrlUp, kUpArrowUp));
  EXPECT_EQ(first.WheelHeld, 0);
  EXPECT_EQ(keys.Held, (std::set<std::tuple<std::uint16_t, bool>>{{0x1E, false}}));

  keys.Events.clear();
  translator.ReleaseHeldKeys(first);
  translator.TranslateButtons(Button1Up | Button3Up, first);
  EXPECT_THAT(keys.Events, testing::IsEmpty()) << "released once only";
}

TEST_F(HeldKeysTest, ReleasingAllNeedsNoEntry) {
  // Entries that go away first, as when the device table is freed: what
  // they held is no more (an entry cannot be copied, so it is cleared).
  for (GunDevice* gone : {&first, &second}) {
    gone->Settings = {};
    gone->WheelHeld = 0;
  }
  translator.ReleaseAllHeldKeys();
  EXPECT_THAT(keys.Events, testing::ElementsAre(kSpaceUp, kRctrlUp, kUpArrowUp, kAUp));
  EXPECT_TRUE(keys.Held.empty());
}

TEST_F(HeldKeysTest, TheTranslatorLetsGoAsItGoes) {
  {
    ButtonTranslator other(keys);
    other.TranslateButtons(Button2Down, second);
  }
  EXPECT_THAT(keys.Events, testing::ElementsAre(kADown, kAUp));
}

// Each device-table entry has its record; a press that could not be
// remembered is not made at all.
TEST(TranslatorTest, PressesOnlyWhatItCanRemember) {
  std::array<GunDevice, kMaxEntries + 1> guns;
  RecordingKeySink keys;
  ButtonTranslator translator(keys);
  for (std::size_t i = 0; i < guns.size(); ++i) {
    guns[i].Settings.ButtonRemap1 = static_cast<std::uint8_t>(35 + i);  // a, b, c, ...
    translator.TranslateButtons(Button1Down, guns[i]);
  }
  EXPECT_EQ(keys.Held.size(), kMaxEntries);
  translator.TranslateButtons(Button1Up, guns[0]);
  translator.TranslateButtons(Button1Down, guns[kMaxEntries]);
  EXPECT_EQ(keys.Held.size(), kMaxEntries) << "a record came free";
  translator.ReleaseAllHeldKeys();
  EXPECT_TRUE(keys.Held.empty());
}

}  // namespace
}  // namespace vantor
