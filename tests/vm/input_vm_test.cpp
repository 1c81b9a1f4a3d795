// The gun input path on a real kernel: the emulated adapter's mouse reports
// arrive through evdev, are routed and translated, and the keys are read
// back from the event node of the panel's own uinput keyboard.
#include <fcntl.h>
#include <linux/input.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "device/discovery.h"
#include "device/linux/hidraw_bus.h"
#include "device/listed_adapters.h"
#include "input/device_list_view.h"
#include "input/input_router.h"
#include "input/key_table.h"
#include "input/linux/evdev_mouse_source.h"
#include "input/linux/uinput_keyboard.h"
#include "panel/panel_controller.h"
#include "tests/vm/real_kernel.h"

namespace vantor {
namespace {

using emu::MouseInputReport;

struct Key {
  int Code;
  int Value;  // 1 down, 0 up
  bool operator==(const Key&) const = default;
  friend std::ostream& operator<<(std::ostream& os, const Key& k) {
    return os << k.Code << (k.Value ? " down" : " up");
  }
};

// An adapter whose gun buttons 1, 2 and 3 type "Space", "a" and "Right
// ctrl", and whose wheel types "Up arrow".
emu::EmulatorOptions WithRemaps(const char* button1 = "Space") {
  GunSettings s = ProfileDefaultSettings();
  s.ButtonRemap1 = KeyCodeFromName(button1);
  s.ButtonRemap2 = KeyCodeFromName("a");
  s.ButtonRemap3 = KeyCodeFromName("Right ctrl");
  s.ButtonRemap6 = KeyCodeFromName("Up arrow");
  emu::EmulatorOptions options;
  options.Initial = EncodeSettingsReport(s);
  return options;
}

class RealInputTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(vm::WaitUntil(vm::NoHidrawNodes)); }

  void TearDown() override {
    if (keyboardNode >= 0) ::close(keyboardNode);
    FreeDeviceTable(bus, table);
    adapters.clear();
  }

  // Plugs in adapters, discovers them and starts listening, as the panel
  // does at start-up.
  void StartListening(const std::vector<emu::EmulatorOptions>& each) {
    for (const auto& options : each) {
      adapters.push_back(vm::PlugAdapter(options));
      ASSERT_TRUE(adapters.back().Adapter);
    }
    ASSERT_TRUE(DiscoverDevices(bus, table));
    listed = ListedAdapters(table);
    ASSERT_EQ(listed.size(), each.size());
    OpenKeyboardNode();
    mice.WatchAdapters(listed);
    EXPECT_TRUE(mice.Problems().empty()) << mice.Problems().front();
    ASSERT_EQ(mice.Fds().size(), each.size());
    list = FixedDeviceList(listed, listed.front());
  }

  // One round of the panel's input loop: waits a little for a mouse report,
  // routes what came (to the router, or to handler when given), and adds
  // what the virtual keyboard typed to keys.
  void RunInputLoopOnce(std::vector<Key>& keys, MouseReportHandler* handler = nullptr) {
    std::vector<pollfd> fds{{keyboardNode, POLLIN, 0}};
    for (int fd : mice.Fds()) fds.push_back({fd, POLLIN, 0});
    if (::poll(fds.data(), fds.size(), 50) <= 0) return;
    for (std::size_t i = 1; i < fds.size(); ++i)
      if (fds[i].revents && !mice.ReadReady(fds[i].fd, handler ? *handler : router)) ++droppedNodes;
    input_event e;
    while (::read(keyboardNode, &e, sizeof e) == static_cast<ssize_t>(sizeof e))
      if (e.type == EV_KEY) keys.push_back({e.code, e.value});
  }

  // Runs the loop until count keys have been typed or the time is up.
  std::vector<Key> KeysTyped(std::size_t count, MouseReportHandler* handler = nullptr) {
    std::vector<Key> keys;
    const auto deadline = std::chrono::steady_clock::now() + vm::kKernelWait;
    while (keys.size() < count && std::chrono::steady_clock::now() < deadline)
      RunInputLoopOnce(keys, handler);
    return keys;
  }

  void OpenKeyboardNode() {
    ASSERT_TRUE(keyboard.KeyPressesOn()) << keyboard.Problem();
    const auto node = emu::WaitForInputNodeNamed(kVirtualKeyboardName, vm::kKernelWait);
    ASSERT_TRUE(node) << "the virtual keyboard has no event node";
    keyboardNode = ::open(node->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(keyboardNode, 0);
  }

  // Whether a report waits unread on every node the mice are watched on.
  bool ReportsWaitUnread() const {
    std::vector<pollfd> fds;
    for (int fd : mice.Fds()) fds.push_back({fd, POLLIN, 0});
    return !fds.empty() && ::poll(fds.data(), fds.size(), 0) == static_cast<int>(fds.size());
  }

  // The keys the virtual keyboard holds down now, as the kernel sees them.
  std::vector<int> KeysHeld() const {
    std::uint8_t bits[KEY_MAX / 8 + 1] = {};
    std::vector<int> held;
    if (::ioctl(keyboardNode, EVIOCGKEY(sizeof bits), bits) < 0) return {-1};
    for (int code = 0; code <= KEY_MAX; ++code)
      if (bits[code / 8] & (1 << (code % 8))) held.push_back(code);
    return held;
  }

  HidrawBus bus;
  DeviceTable table;
  std::deque<vm::PluggedAdapter> adapters;
  std::vector<GunDevice*> listed;
  UinputKeyboard keyboard;
  EvdevMouseSource mice;
  FixedDeviceList list;
  InputRouter router{list, keyboard};
  int keyboardNode = -1;
  int droppedNodes = 0;
};

struct Step {
  const char* What;
  MouseInputReport Report;
  std::vector<Key> Typed;
};

// One adapter's reports in a row, each with the keys it must type. A step
// that types nothing is checked by the next one, whose keys would come
// after any stray key.
const Step kTranscript[] = {
    {"button 1 down", {0b001}, {{KEY_SPACE, 1}}},
    {"button 1 up", {0b000}, {{KEY_SPACE, 0}}},
    {"wheel up", {0, 0, 0, 1}, {{KEY_UP, 1}}},
    {"wheel down: the key stays held", {0, 0, 0, -1}, {}},
    {"button 2 down: its key, then the wheel's release", {0b010}, {{KEY_A, 1}, {KEY_UP, 0}}},
    {"button 1 down and 2 up in one report: ascending buttons", {0b001},
     {{KEY_SPACE, 1}, {KEY_A, 0}}},
    {"button 1 up", {0b000}, {{KEY_SPACE, 0}}},
    {"movement only", {0, 5, -5, 0}, {}},
    {"button 3 down", {0b100}, {{KEY_RIGHTCTRL, 1}}},
    {"button 3 up", {0b000}, {{KEY_RIGHTCTRL, 0}}},
    {"wheel, then movement releases it", {0, 0, 0, 1}, {{KEY_UP, 1}}},
    {"movement", {0, 1, 0, 0}, {{KEY_UP, 0}}},
};

TEST_F(RealInputTest, GunReportsTypeTheirRemappedKeysInOrder) {
  StartListening({WithRemaps()});
  for (const Step& step : kTranscript) {
    SCOPED_TRACE(step.What);
    ASSERT_TRUE(adapters[0].Adapter->SendMouse(step.Report));
    if (!step.Typed.empty()) {
      EXPECT_EQ(KeysTyped(step.Typed.size()), step.Typed);
    }
  }
  EXPECT_EQ(KeysHeld(), std::vector<int>{});
}

TEST_F(RealInputTest, EachAdapterTypesWithItsOwnRemaps) {
  StartListening({WithRemaps("Space"), WithRemaps("b")});
  ASSERT_TRUE(adapters[1].Adapter->SendMouse({0b001}));
  EXPECT_EQ(KeysTyped(1), (std::vector<Key>{{KEY_B, 1}})) << "the second adapter is not current";
  ASSERT_TRUE(adapters[0].Adapter->SendMouse({0b001}));
  EXPECT_EQ(KeysTyped(1), (std::vector<Key>{{KEY_SPACE, 1}}));
  ASSERT_TRUE(adapters[1].Adapter->SendMouse({0b000}));
  EXPECT_EQ(KeysTyped(1), (std::vector<Key>{{KEY_B, 0}}));
  ASSERT_TRUE(adapters[0].Adapter->SendMouse({0b000}));
  EXPECT_EQ(KeysTyped(1), (std::vector<Key>{{KEY_SPACE, 0}}));
}

// The kernel's release of the buttons of a removed device never reaches a
// reader of its node; the keys they hold must be let go all the same.
TEST_F(RealInputTest, UnplugWhileReadingDropsTheNodeAndReleasesItsKeys) {
  StartListening({WithRemaps()});
  ASSERT_TRUE(adapters[0].Adapter->SendMouse({0b010, 0, 0, 1}));
  EXPECT_EQ(KeysTyped(2), (std::vector<Key>{{KEY_A, 1}, {KEY_UP, 1}}));
  ASSERT_TRUE(adapters[0].Adapter->Unplug());
  std::vector<Key> typed;
  EXPECT_TRUE(vm::WaitUntil([&] {
    RunInputLoopOnce(typed);
    return mice.Fds().empty();
  })) << "the gone adapter's node is still watched";
  EXPECT_EQ(droppedNodes, 1);
  EXPECT_EQ(typed, (std::vector<Key>{{KEY_A, 0}, {KEY_UP, 0}}));
  EXPECT_EQ(KeysHeld(), std::vector<int>{});
}

// The panel's own logic over the real nodes, without a window.
class NoWindow final : public PanelView {
 public:
  void ClearDeviceList() override {}
  void AppendDevice(const std::string&) override {}
  void SelectDevice(int) override {}
  void StorePagesToDevice() override {}
  void RefillPages() override {}
  void ClearProfiles() override {}
  void AppendProfile(const std::string&) override {}
  void SelectProfile(int) override {}
  void ShowMessage(const PanelMessage&) override {}
  std::optional<std::filesystem::path> ChooseProfileToSave(const std::filesystem::path&) override {
    return std::nullopt;
  }
  void ShowDiagnostics(const std::vector<std::string>&) override {}
};

class RealPanelInputTest : public RealInputTest {
 protected:
  void StartPanel() {
    adapters.push_back(vm::PlugAdapter(WithRemaps()));
    ASSERT_TRUE(adapters.back().Adapter);
    OpenKeyboardNode();
    panel.Start();
    ASSERT_EQ(panel.DeviceList().size(), 1u);
    ASSERT_EQ(mice.Fds().size(), 1u);
  }
  MouseReportHandler* Handler() { return &panel.InputHandler(); }

  NoWindow window;
  PanelController panel{bus, mice, keyboard, window, std::nullopt};
};

// Refresh closes the event nodes with what they hold unread: a release
// lost that way must not leave its key down.
TEST_F(RealPanelInputTest, RefreshWhileAReleaseWaitsUnreadLetsGoOfItsKey) {
  StartPanel();
  ASSERT_TRUE(adapters[0].Adapter->SendMouse({0b001}));
  EXPECT_EQ(KeysTyped(1, Handler()), (std::vector<Key>{{KEY_SPACE, 1}}));
  ASSERT_TRUE(adapters[0].Adapter->SendMouse({0b000}));
  ASSERT_TRUE(vm::WaitUntil([&] { return ReportsWaitUnread(); })) << "the release never came";
  panel.OnRefresh();
  ASSERT_EQ(mice.Fds().size(), 1u) << "watched afresh";
  EXPECT_EQ(KeysTyped(1, Handler()), (std::vector<Key>{{KEY_SPACE, 0}}));
  EXPECT_EQ(KeysHeld(), std::vector<int>{});
}

TEST_F(RealPanelInputTest, ExitWhileTheGunHoldsKeysLetsGoOfThem) {
  StartPanel();
  ASSERT_TRUE(adapters[0].Adapter->SendMouse({0b010, 0, 0, 1}));
  EXPECT_EQ(KeysTyped(2, Handler()), (std::vector<Key>{{KEY_A, 1}, {KEY_UP, 1}}));
  panel.OnExit();
  EXPECT_TRUE(mice.Fds().empty()) << "nothing listened to after Exit";
  EXPECT_EQ(KeysTyped(2, Handler()), (std::vector<Key>{{KEY_A, 0}, {KEY_UP, 0}}));
  EXPECT_EQ(KeysHeld(), std::vector<int>{});
}

TEST_F(RealInputTest, UnprivilegedUserIsToldWhyNoKeysAndNoButtons) {
  adapters.push_back(vm::PlugAdapter());
  ASSERT_TRUE(adapters[0].Adapter);
  const std::string hidraw = adapters[0].Nodes.Hidraw;
  const auto sentences = vm::RunAsNobody([&] {
    UinputKeyboard userKeyboard;
    GunDevice gun;
    gun.DevicePath = hidraw;
    GunDevice* const watched[] = {&gun};
    EvdevMouseSource userMice;
    userMice.WatchAdapters(watched);
    std::string text = userKeyboard.Problem();
    for (const std::string& problem : userMice.Problems()) text += '\n' + problem;
    return text;
  });
  EXPECT_EQ(sentences,
            "Key presses are off: /dev/uinput cannot be opened: Permission denied. Install the "
            "udev rule (see README).\nThe buttons of the adapter at " + hidraw +
                " cannot be read: " + adapters[0].Nodes.Event +
                " cannot be opened: Permission denied. Install the udev rule (see README).");
}

}  // namespace
}  // namespace vantor
