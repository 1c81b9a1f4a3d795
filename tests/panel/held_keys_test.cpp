// Transcripts of what the panel does to keys the gun holds while something
// else happens: a remap changed between a press and its release, Refresh
// while the wheel or a button holds its key, Refresh while a release waits
// unread, Exit, unplugging, the table freed. Whatever happens, every key
// that went down comes up, and the one that went down.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "device/settings_report.h"
#include "device/simulated_hid_bus.h"
#include "input/button_flags.h"
#include "input/simulated_mouse_source.h"
#include "panel/panel_controller.h"
#include "tests/input/recording_key_sink.h"
#include "tests/panel/recording_view.h"
#include "tests/profiles/temp_folder.h"

namespace vantor {
namespace {

using namespace ButtonFlags;
using testing::ElementsAre;
using testing::IsEmpty;
using testing_support::RecordingView;
using testing_support::TempFolder;

const KeyEvent kSpaceDown = Down(0x20, 0x39), kSpaceUp = Up(0x20, 0x39);
const KeyEvent kUpArrowDown = Down(0x26, 0x48, true), kUpArrowUp = Up(0x26, 0x48, true);
const KeyEvent kEscDown = Down(0x1B, 0x01);

// Mice whose reports wait until they are read, as an event node's do; a
// new watch ends the old ones with whatever they had not read.
class UnreadReportsMice final : public MouseSource, public DescriptorInput {
 public:
  void WatchAdapters(std::span<GunDevice* const> listed) override {
    m_watched.clear();
    m_unread.clear();
    for (const GunDevice* gun : listed)
      if (gun) m_watched.push_back(gun->DevicePath);
  }
  DescriptorInput* Descriptors() override { return this; }
  const std::vector<int>& Fds() const override { return m_fds; }
  bool ReadReady(int, MouseReportHandler& handler) override {
    while (!m_unread.empty()) {
      const auto [source, flags] = m_unread.front();
      m_unread.pop_front();
      handler.OnRawMouseInput({flags, source});
    }
    return true;
  }
  const std::vector<std::string>& Problems() const override { return m_problems; }

  void Send(const std::string& source, std::uint16_t flags) { m_unread.emplace_back(source, flags); }

 private:
  std::vector<std::string> m_watched;
  std::deque<std::pair<std::string, std::uint16_t>> m_unread;
  std::vector<int> m_fds{-1};
  std::vector<std::string> m_problems;
};

// Two adapters: the first, current one types Space for button 1 and Up
// arrow for the wheel, the second Esc for button 1; both as stored in the
// adapters, so that Refresh reads them again.
template <typename Mice>
class HeldKeysTestBase : public testing::Test {
 protected:
  HeldKeysTestBase() : bus(2) {
    GunSettings first = ProfileDefaultSettings();
    first.ButtonRemap1 = 10;
    first.ButtonRemap6 = 1;
    bus.Adapters()[0].Stored = EncodeSettingsReport(first);
    GunSettings second = ProfileDefaultSettings();
    second.ButtonRemap1 = 5;
    bus.Adapters()[1].Stored = EncodeSettingsReport(second);
  }

  // The profile files are written before this, as the combo lists them.
  void Start() {
    controller = std::make_unique<PanelController>(bus, mice, keys, view, profiles / "Profiles");
    view.controller = controller.get();
    controller->Start();
    view.RefillPages();
  }
  std::string PathOf(std::size_t adapter) { return bus.Adapters()[adapter].Path; }

  TempFolder profiles;
  SimulatedHidBus bus;
  Mice mice;
  RecordingKeySink keys;
  RecordingView view;
  std::unique_ptr<PanelController> controller;
};

class HeldKeysTest : public HeldKeysTestBase<SimulatedMouseSource> {
 protected:
  void Send(std::size_t adapter, std::uint16_t flags) {
    ASSERT_TRUE(mice.Inject(PathOf(adapter), flags, controller->InputHandler()));
  }
};

// Path 1: the remap changes while its key is held, by each of the ways a
// remap changes.
struct RemapChange {
  const char* Name;
  // Remap 1 becomes "a", the wheel's "b".
  std::function<void(PanelController&, RecordingView&)> Change;
};

void PrintTo(const RemapChange& c, std::ostream* os) { *os << c.Name; }

class RemapChangedWhileHeld : public HeldKeysTest,
                              public testing::WithParamInterface<RemapChange> {};

TEST_P(RemapChangedWhileHeld, ReleaseSendsTheKeyThatWentDown) {
  std::filesystem::create_directories(profiles / "Profiles");
  testing_support::WriteFile(profiles / "Profiles" / "a.ini",
                             "[GunProfile]\r\nButtonRemap1=35\r\nButtonRemap6=36\r\n");
  Start();
  Send(0, Button1Down | Wheel);
  GetParam().Change(*controller, view);
  ASSERT_EQ(controller->DeviceList()[0]->Settings.ButtonRemap1, 35) << "the remap changed";
  Send(0, Button1Up);
  EXPECT_THAT(keys.Events, ElementsAre(kSpaceDown, kUpArrowDown, kSpaceUp, kUpArrowUp));
  EXPECT_THAT(keys.Held, IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Panel, RemapChangedWhileHeld,
    testing::Values(
        RemapChange{"SubmitSettings",
                    [](PanelController& panel, RecordingView& pages) {
                      pages.pages.ButtonRemap1 = 35;
                      pages.pages.ButtonRemap6 = 36;
                      panel.OnSubmitSettings();
                    }},
        RemapChange{"ProfileLoaded",
                    [](PanelController& panel, RecordingView&) { panel.OnSelchangeProfile(0); }},
        RemapChange{"PagesStoredOnChoosingAnotherAdapter",
                    [](PanelController& panel, RecordingView& pages) {
                      pages.pages.ButtonRemap1 = 35;
                      pages.pages.ButtonRemap6 = 36;
                      panel.OnSelchangeDeviceList(1);
                    }}),
    [](const auto& test) { return std::string(test.param.Name); });

// Path 2: Refresh while the wheel holds its key, or a button does. The new
// entries know nothing of it, so the key goes up with the old ones.
TEST_F(HeldKeysTest, RefreshWhileTheWheelHoldsItsKeyReleasesIt) {
  Start();
  Send(0, Wheel);
  controller->OnRefresh();
  EXPECT_THAT(keys.Events, ElementsAre(kUpArrowDown, kUpArrowUp));
  Send(0, 0);
  Send(0, Wheel);
  EXPECT_THAT(keys.Events, ElementsAre(kUpArrowDown, kUpArrowUp, kUpArrowDown))
      << "the new entry holds the wheel afresh";
}

TEST_F(HeldKeysTest, RefreshWhileAButtonHoldsItsKeyReleasesItOnce) {
  Start();
  Send(0, Button1Down);
  Send(1, Button1Down);
  controller->OnRefresh();
  EXPECT_THAT(keys.Events, ElementsAre(kSpaceDown, kEscDown, kSpaceUp, Up(0x1B, 0x01)));
  Send(0, Button1Up);
  Send(1, Button1Up);
  EXPECT_EQ(keys.Events.size(), 4u) << "the later releases press nothing and release nothing";
  EXPECT_THAT(keys.Held, IsEmpty());
}

TEST_F(HeldKeysTest, RefreshAfterTheAdapterWentReleasesItsKeys) {
  Start();
  Send(0, Button1Down | Wheel);
  bus.Adapters().erase(bus.Adapters().begin());
  controller->OnRefresh();
  EXPECT_THAT(keys.Held, IsEmpty());
  EXPECT_EQ(controller->DeviceList().size(), 1u);
}

// Path 3: a release that waits unread when Refresh watches the mice afresh
// is never read; the key it would have released goes up all the same.
class UnreadReleaseTest : public HeldKeysTestBase<UnreadReportsMice> {};

TEST_F(UnreadReleaseTest, RefreshWhileAReleaseWaitsUnreadReleasesTheKey) {
  Start();
  mice.Send(PathOf(0), Button1Down);
  mice.ReadReady(-1, controller->InputHandler());
  mice.Send(PathOf(0), Button1Up);
  controller->OnRefresh();
  mice.ReadReady(-1, controller->InputHandler());
  EXPECT_THAT(keys.Events, ElementsAre(kSpaceDown, kSpaceUp));
  EXPECT_THAT(keys.Held, IsEmpty());
}

TEST_F(HeldKeysTest, ExitReleasesEveryKeyAndListensNoMore) {
  Start();
  Send(0, Button1Down | Wheel);
  Send(1, Button1Down);
  controller->OnExit();
  EXPECT_THAT(keys.Held, IsEmpty());
  EXPECT_EQ(keys.Events.size(), 6u);
  EXPECT_FALSE(mice.Inject(PathOf(0), Button1Down, controller->InputHandler()));
}

TEST_F(HeldKeysTest, FreeingTheTableReleasesEveryKey) {
  Start();
  Send(0, Button1Down | Wheel);
  Send(1, Button1Down);
  controller.reset();
  EXPECT_THAT(keys.Held, IsEmpty());
  EXPECT_EQ(keys.Events.size(), 6u);
}

TEST_F(HeldKeysTest, UnpluggingReleasesThatAdaptersKeysOnly) {
  Start();
  Send(0, Button1Down | Wheel);
  Send(1, Button1Down);
  ASSERT_TRUE(mice.Unplug(PathOf(0), controller->InputHandler()));
  EXPECT_THAT(keys.Events, ElementsAre(kSpaceDown, kUpArrowDown, kEscDown, kSpaceUp, kUpArrowUp));
  EXPECT_EQ(controller->DeviceList()[0]->WheelHeld, 0);
  EXPECT_FALSE(mice.Inject(PathOf(0), Button1Up, controller->InputHandler()));
  Send(1, Button1Up);
  EXPECT_THAT(keys.Held, IsEmpty());
}

}  // namespace
}  // namespace vantor
