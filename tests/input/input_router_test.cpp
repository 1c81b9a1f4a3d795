// Routing over a table that discovery built from two simulated adapters:
// adapter 1 current, adapter 2 listed, and a mouse that is no adapter.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "device/discovery.h"
#include "device/listed_adapters.h"
#include "device/simulated_hid_bus.h"
#include "input/button_flags.h"
#include "input/input_router.h"
#include "input/simulated_mouse_source.h"
#include "tests/input/recording_key_sink.h"

namespace vantor {
namespace {

using namespace ButtonFlags;
using testing::ElementsAre;
using testing::IsEmpty;

const KeyEvent kSpaceDown = Down(0x20, 0x39);
const KeyEvent kEscDown = Down(0x1B, 0x01), kEscUp = Up(0x1B, 0x01);
const KeyEvent kUpArrowDown = Down(0x26, 0x48, true);

// What the pressed-button display saw: the flags, the current device's
// WheelHeld and how many keys had gone out by then.
struct DisplayCall {
  std::uint16_t Flags;
  std::uint8_t WheelHeld;
  std::size_t KeysBefore;
  bool operator==(const DisplayCall&) const = default;
};

class InputRouterTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(DiscoverDevices(m_bus, m_table));
    m_adapters = ListedAdapters(m_table);
    ASSERT_EQ(m_adapters.size(), 2u);
    First().Settings.ButtonRemap1 = 10;  // Space
    First().Settings.ButtonRemap6 = 1;   // Up arrow
    Second().Settings.ButtonRemap1 = 5;  // Esc
    m_list = FixedDeviceList(m_adapters, m_adapters[0]);
    m_router.SetPressedButtonsDisplay([this](std::uint16_t flags) {
      m_display.push_back({flags, First().WheelHeld, m_keys.Events.size()});
    });
  }
  void TearDown() override { FreeDeviceTable(m_bus, m_table); }

  GunDevice& First() { return *m_adapters[0]; }
  GunDevice& Second() { return *m_adapters[1]; }
  void Report(const GunDevice& from, std::uint16_t flags) {
    m_router.OnRawMouseInput({flags, from.DevicePath});
  }

  SimulatedHidBus m_bus{2};
  DeviceTable m_table;
  std::vector<GunDevice*> m_adapters;
  FixedDeviceList m_list;
  RecordingKeySink m_keys;
  InputRouter m_router{m_list, m_keys};
  std::vector<DisplayCall> m_display;
};

TEST_F(InputRouterTest, CurrentAdapterDrivesTheDisplayFirstThenItsKeys) {
  Report(First(), Button1Down);
  Report(First(), Wheel);
  Report(First(), 0);
  EXPECT_THAT(m_keys.Events, ElementsAre(kSpaceDown, kUpArrowDown, Up(0x26, 0x48, true)));
  // Each report reaches the display before its keys, with WheelHeld as it
  // was before the report.
  EXPECT_THAT(m_display, ElementsAre(DisplayCall{Button1Down, 0, 0}, DisplayCall{Wheel, 0, 1},
                                     DisplayCall{0, 1, 2}));
}

TEST_F(InputRouterTest, OtherListedAdapterOnlyTypesItsOwnKeys) {
  Report(Second(), Button1Down);
  Report(Second(), Button1Up | Wheel);
  EXPECT_THAT(m_keys.Events, ElementsAre(kEscDown, kEscUp));
  EXPECT_THAT(m_display, IsEmpty());
  EXPECT_EQ(Second().WheelHeld, 1);
  EXPECT_EQ(First().WheelHeld, 0);
}

TEST_F(InputRouterTest, OtherMiceChangeNothing) {
  for (const char* source : {"/dev/hidraw7", "", "sim://adapter3", "SIM://ADAPTER1"})
    m_router.OnRawMouseInput({static_cast<std::uint16_t>(Button1Down | Wheel), source});
  // The mouse collection of an adapter is not listed, so it is not the gun.
  GunDevice* mouseCollection = &(*m_table.Entries)[0];
  ASSERT_FALSE(IsSettingsCollection(*mouseCollection));
  EXPECT_EQ(m_router.FindListedGun({Button1Down, "other"}), nullptr);
  EXPECT_THAT(m_keys.Events, IsEmpty());
  EXPECT_THAT(m_display, IsEmpty());
  EXPECT_EQ(First().WheelHeld, 0);
}

TEST_F(InputRouterTest, NothingIsTranslatedWithoutListOrCurrentDevice) {
  FixedDeviceList empty;
  InputRouter emptyRouter(empty, m_keys);
  emptyRouter.OnRawMouseInput({Button1Down, First().DevicePath});

  // A list being emptied holds null lines; with no current device the list
  // is not consulted at all.
  FixedDeviceList emptying({nullptr, &Second()}, nullptr);
  InputRouter emptyingRouter(emptying, m_keys);
  emptyingRouter.OnRawMouseInput({Button1Down, Second().DevicePath});
  EXPECT_THAT(m_keys.Events, IsEmpty());

  FixedDeviceList withNull({nullptr, &Second()}, &Second());
  InputRouter withNullRouter(withNull, m_keys);
  withNullRouter.OnRawMouseInput({Button1Down, Second().DevicePath});
  EXPECT_THAT(m_keys.Events, ElementsAre(kEscDown));
}

// Whether some thread holds the lock: only another thread can tell, since
// the owner may always take it again.
bool IsLockedElsewhere(std::recursive_mutex& lock) {
  bool locked = false;
  std::thread probe([&] {
    if (lock.try_lock())
      lock.unlock();
    else
      locked = true;
  });
  probe.join();
  return locked;
}

// The panel holds the lock while it changes the list; the routing takes it
// for the lookup and translation only, never for the display.
TEST_F(InputRouterTest, DisplayRunsOutsideTheLockTranslationInside) {
  // Before the router: its end releases the key it still holds, which the
  // sink records.
  std::vector<bool> lockedInDisplay, lockedInSink;
  struct ProbingSink final : KeySink {
    std::function<void()> OnKey;
    void SendKeyDown(std::uint16_t, std::uint16_t, bool) override { OnKey(); }
    void SendKeyUp(std::uint16_t, std::uint16_t, bool) override { OnKey(); }
  } sink;
  InputRouter router(m_list, sink);
  router.SetPressedButtonsDisplay(
      [&](std::uint16_t) { lockedInDisplay.push_back(IsLockedElsewhere(router.DeviceLock())); });
  sink.OnKey = [&] { lockedInSink.push_back(IsLockedElsewhere(router.DeviceLock())); };
  router.OnRawMouseInput({Button1Down, First().DevicePath});
  EXPECT_THAT(lockedInDisplay, ElementsAre(false));
  EXPECT_THAT(lockedInSink, ElementsAre(true));
  EXPECT_FALSE(IsLockedElsewhere(router.DeviceLock()));
  // That release runs while the router is partly gone: it is not probed.
  sink.OnKey = [] {};
}

// A listed adapter whose reports end lets go of its keys, current or not;
// the other adapters keep theirs.
TEST_F(InputRouterTest, EndOfAnAdaptersReportsReleasesItsKeysOnly) {
  Report(First(), Button1Down | Wheel);
  Report(Second(), Button1Down);
  m_router.OnReportsEnd("/dev/hidraw7");
  m_router.OnReportsEnd("");
  EXPECT_EQ(m_keys.Events.size(), 3u) << "another mouse's end changes nothing";
  m_router.OnReportsEnd(Second().DevicePath);
  m_router.OnReportsEnd(First().DevicePath);
  EXPECT_THAT(m_keys.Events, ElementsAre(kSpaceDown, kUpArrowDown, kEscDown, kEscUp,
                                         Up(0x20, 0x39), Up(0x26, 0x48, true)));
  EXPECT_EQ(First().WheelHeld, 0);
  EXPECT_THAT(m_keys.Held, IsEmpty());
}

TEST_F(InputRouterTest, ReleasingHeldKeysLetsGoOfEveryAdapter) {
  Report(First(), Button1Down | Wheel);
  Report(Second(), Button1Down);
  m_router.ReleaseHeldKeys();
  EXPECT_THAT(m_keys.Held, IsEmpty());
  EXPECT_EQ(m_keys.Events.size(), 6u);
  Report(First(), Button1Up);
  Report(Second(), Button1Up);
  EXPECT_EQ(m_keys.Events.size(), 6u) << "each key goes up once";
}

TEST_F(InputRouterTest, TheRouterLetsGoAsItGoes) {
  {
    InputRouter router(m_list, m_keys);
    router.OnRawMouseInput({Button1Down, Second().DevicePath});
  }
  EXPECT_THAT(m_keys.Events, ElementsAre(kEscDown, kEscUp));
}

TEST_F(InputRouterTest, SimulatedReportsTakeTheSameWay) {
  SimulatedMouseSource mice;
  mice.WatchAdapters(m_adapters);
  EXPECT_EQ(mice.Descriptors(), nullptr) << "nothing for a loop to wait on";
  EXPECT_EQ(mice.WindowMessages(), nullptr);
  EXPECT_TRUE(mice.Inject(Second().DevicePath, Button1Down, m_router));
  EXPECT_TRUE(mice.Inject(First().DevicePath, Button1Down, m_router));
  EXPECT_FALSE(mice.Inject("sim://adapter9", Button1Down, m_router));
  EXPECT_THAT(m_keys.Events, ElementsAre(kEscDown, kSpaceDown));
  EXPECT_THAT(m_display, ElementsAre(DisplayCall{Button1Down, 0, 1}));

  mice.WatchAdapters({});
  EXPECT_FALSE(mice.Inject(First().DevicePath, Button1Up, m_router));
}

TEST_F(InputRouterTest, AnUnpluggedSimulatedMouseEndsItsReports) {
  SimulatedMouseSource mice;
  mice.WatchAdapters(m_adapters);
  EXPECT_TRUE(mice.Inject(Second().DevicePath, Button1Down, m_router));
  EXPECT_TRUE(mice.Unplug(Second().DevicePath, m_router));
  EXPECT_FALSE(mice.Inject(Second().DevicePath, Button1Up, m_router)) << "gone";
  EXPECT_FALSE(mice.Unplug(Second().DevicePath, m_router));
  EXPECT_THAT(m_keys.Events, ElementsAre(kEscDown, kEscUp));
  EXPECT_TRUE(mice.Inject(First().DevicePath, Button1Down, m_router)) << "the other stays";
}

}  // namespace
}  // namespace vantor
