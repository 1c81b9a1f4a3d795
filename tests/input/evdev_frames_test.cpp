// A recorded event sequence of the adapter's mouse node, as libevdev hands
// it over in normal and in sync mode, turned into reports without a device.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <vector>

#include "input/button_flags.h"
#include "input/button_translator.h"
#include "input/linux/evdev_frames.h"
#include "tests/input/recording_key_sink.h"

namespace vantor {
namespace {

using namespace ButtonFlags;

struct Event {
  std::uint16_t Type, Code;
  std::int32_t Value;
};

constexpr Event kSyn{EV_SYN, SYN_REPORT, 0};
constexpr Event kDropped{EV_SYN, SYN_DROPPED, 0};

std::vector<std::uint16_t> Reports(const std::vector<Event>& events) {
  EvdevFrameReader reader;
  std::vector<std::uint16_t> reports;
  for (const Event& e : events)
    if (const auto flags = reader.Add(e.Type, e.Code, e.Value)) reports.push_back(*flags);
  return reports;
}

TEST(EvdevFramesTest, OneReportPerFrame) {
  const std::vector<Event> recorded = {
      // Trigger: the HID usage first, then the button.
      {EV_MSC, MSC_SCAN, 0x90001}, {EV_KEY, BTN_LEFT, 1}, kSyn,
      {EV_REL, REL_X, 3}, {EV_REL, REL_Y, -2}, kSyn,  // movement only
      {EV_REL, REL_WHEEL, 1}, {EV_REL, REL_WHEEL_HI_RES, 120}, kSyn,
      {EV_REL, REL_WHEEL_HI_RES, -60}, kSyn,  // a high-resolution step alone
      {EV_REL, REL_HWHEEL, 1}, kSyn,          // not the wheel the remap is for
      {EV_KEY, BTN_LEFT, 0}, {EV_KEY, BTN_RIGHT, 1}, {EV_KEY, BTN_MIDDLE, 1}, kSyn,
      {EV_KEY, BTN_SIDE, 1}, {EV_KEY, BTN_EXTRA, 1}, {EV_REL, REL_X, 1}, kSyn,
      {EV_KEY, BTN_SIDE, 0}, {EV_KEY, BTN_EXTRA, 0}, {EV_KEY, BTN_RIGHT, 0},
      {EV_KEY, BTN_MIDDLE, 0}, kSyn,
      {EV_KEY, BTN_TASK, 1}, {EV_KEY, BTN_LEFT, 2}, kSyn,  // not buttons 1..5, repeat
  };
  EXPECT_THAT(Reports(recorded),
              testing::ElementsAre(Button1Down, 0, Wheel, Wheel, 0,
                                   Button1Up | Button2Down | Button3Down,
                                   Button4Down | Button5Down,
                                   Button4Up | Button5Up | Button2Up | Button3Up, 0));
}

// After an overrun libevdev reports SYN_DROPPED, then in sync mode what
// differs from its view of the device (here: the trigger went up meanwhile),
// closed by SYN_REPORT.
const std::vector<Event> kOverrun = {
    {EV_KEY, BTN_LEFT, 1}, kSyn,
    {EV_KEY, BTN_RIGHT, 1}, kDropped,  // a frame cut short
    {EV_KEY, BTN_LEFT, 0}, kSyn,       // the difference
    kDropped, kSyn,                    // an overrun that changed nothing
    {EV_REL, REL_X, 1}, kSyn,
};

TEST(EvdevFramesTest, DroppedFramesAreMadeGood) {
  EXPECT_THAT(Reports(kOverrun),
              testing::ElementsAre(Button1Down, Button2Down, Button1Up, 0, 0));
}

TEST(EvdevFramesTest, NoKeyStaysHeldAfterAnOverrun) {
  GunDevice gun;
  gun.Settings.ButtonRemap1 = 10;  // Space
  gun.Settings.ButtonRemap2 = 35;  // a
  RecordingKeySink keys;
  ButtonTranslator translator(keys);
  for (std::uint16_t flags : Reports(kOverrun)) translator.TranslateButtons(flags, gun);
  // Button 2 is still down as far as the device says; the trigger's key is up.
  EXPECT_EQ(keys.Held, (std::set<std::tuple<std::uint16_t, bool>>{{0x1E, false}}));
}

}  // namespace
}  // namespace vantor
