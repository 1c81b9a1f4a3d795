// The virtual keyboard without a kernel: its event stream goes to a plain
// file, and the keys it would offer are checked against the kernel's names.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <linux/input.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "input/button_flags.h"
#include "input/button_translator.h"
#include "input/key_table.h"
#include "input/linux/linux_key_codes.h"
#include "input/linux/uinput_keyboard.h"

namespace vantor {
namespace {

struct Written {
  std::uint16_t Type, Code;
  std::int32_t Value;
  bool operator==(const Written&) const = default;
};

void PrintTo(const Written& w, std::ostream* os) {
  *os << "{type " << w.Type << ", code " << w.Code << ", value " << w.Value << "}";
}

class UinputKeyboardTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/vantor-uinput-XXXXXX";
    const int fd = ::mkstemp(pattern);
    ASSERT_GE(fd, 0);
    ::close(fd);
    m_node = pattern;
  }
  void TearDown() override { std::filesystem::remove(m_node); }

  std::vector<Written> Stream() const {
    std::ifstream in(m_node, std::ios::binary);
    std::vector<Written> events;
    input_event e{};
    while (in.read(reinterpret_cast<char*>(&e), sizeof e)) {
      EXPECT_EQ(e.input_event_sec, 0);  // the kernel stamps the time
      events.push_back({e.type, e.code, e.value});
    }
    EXPECT_TRUE(in.eof() && in.gcount() == 0) << "a partial event was written";
    return events;
  }

  std::filesystem::path m_node;
};

constexpr Written kSync{EV_SYN, SYN_REPORT, 0};

TEST_F(UinputKeyboardTest, EachTransitionIsAKeyEventAndASync) {
  {
    UinputKeyboard keyboard(m_node);
    ASSERT_TRUE(keyboard.KeyPressesOn());
    EXPECT_EQ(keyboard.Problem(), "");
    keyboard.SendKeyDown(0x20, 0x39, false);
    keyboard.SendKeyDown(0x11, 0x1D, true);
    keyboard.SendKeyUp(0x11, 0x1D, true);
    keyboard.SendKeyDown(0x00, 0x54, false);  // no such key: nothing goes out
    keyboard.SendKeyUp(0x20, 0x39, false);
  }
  EXPECT_THAT(Stream(), testing::ElementsAre(Written{EV_KEY, KEY_SPACE, 1}, kSync,
                                             Written{EV_KEY, KEY_RIGHTCTRL, 1}, kSync,
                                             Written{EV_KEY, KEY_RIGHTCTRL, 0}, kSync,
                                             Written{EV_KEY, KEY_SPACE, 0}, kSync));
}

TEST_F(UinputKeyboardTest, TranslatedGunButtonsReachTheStream) {
  {
    UinputKeyboard keyboard(m_node);
    ButtonTranslator translator(keyboard);
    GunDevice gun;
    gun.Settings.ButtonRemap1 = 1;   // Up arrow
    gun.Settings.ButtonRemap6 = 60;  // z
    translator.TranslateButtons(ButtonFlags::Button1Down | ButtonFlags::Wheel, gun);
    translator.TranslateButtons(ButtonFlags::Button1Up, gun);
  }
  EXPECT_THAT(Stream(), testing::ElementsAre(Written{EV_KEY, KEY_UP, 1}, kSync,
                                             Written{EV_KEY, KEY_Z, 1}, kSync,
                                             Written{EV_KEY, KEY_UP, 0}, kSync,
                                             Written{EV_KEY, KEY_Z, 0}, kSync));
}

// Translation goes on into nothing: WheelHeld still follows the wheel, so
// the pressed-button display keeps working.
TEST(UinputKeyboardProblemTest, UnopenableNodeTurnsKeyPressesOff) {
  UinputKeyboard keyboard("/nonexistent/uinput");
  EXPECT_FALSE(keyboard.KeyPressesOn());
  EXPECT_EQ(keyboard.Problem(),
            "Key presses are off: /nonexistent/uinput cannot be opened: No such file or "
            "directory. Load the uinput module: sudo modprobe uinput.");
  ButtonTranslator translator(keyboard);
  GunDevice gun;
  gun.Settings.ButtonRemap6 = 10;
  translator.TranslateButtons(ButtonFlags::Wheel, gun);
  EXPECT_EQ(gun.WheelHeld, 1);
}

TEST(UinputKeyboardProblemTest, DeviceThatIsNotUinputTurnsKeyPressesOff) {
  UinputKeyboard keyboard("/dev/null");
  EXPECT_FALSE(keyboard.KeyPressesOn());
  EXPECT_EQ(keyboard.Problem(),
            "Key presses are off: /dev/null cannot make a keyboard: Inappropriate ioctl for "
            "device.");
}

// Every key of the table has its own Linux key, by the kernel's own name
// for it; this also checks the table's scan codes against a second source.
TEST(LinuxKeyCodeTest, EveryTableKeyHasItsLinuxKey) {
  const std::map<std::string_view, int> expected = {
      {"Up arrow", KEY_UP}, {"Down arrow", KEY_DOWN}, {"Left arrow", KEY_LEFT},
      {"Right arrow", KEY_RIGHT}, {"Esc", KEY_ESC}, {"Enter", KEY_ENTER},
      {"Left ctrl", KEY_LEFTCTRL}, {"Right ctrl", KEY_RIGHTCTRL}, {"Alt", KEY_LEFTALT},
      {"Space", KEY_SPACE}, {"Tab", KEY_TAB}, {"Shift", KEY_LEFTSHIFT},
      {"F1", KEY_F1}, {"F2", KEY_F2}, {"F3", KEY_F3}, {"F4", KEY_F4}, {"F5", KEY_F5},
      {"F6", KEY_F6}, {"F7", KEY_F7}, {"F8", KEY_F8}, {"F9", KEY_F9}, {"F10", KEY_F10},
      {"F11", KEY_F11}, {"F12", KEY_F12},
      {"0", KEY_0}, {"1", KEY_1}, {"2", KEY_2}, {"3", KEY_3}, {"4", KEY_4}, {"5", KEY_5},
      {"6", KEY_6}, {"7", KEY_7}, {"8", KEY_8}, {"9", KEY_9},
      {"a", KEY_A}, {"b", KEY_B}, {"c", KEY_C}, {"d", KEY_D}, {"e", KEY_E}, {"f", KEY_F},
      {"g", KEY_G}, {"h", KEY_H}, {"i", KEY_I}, {"j", KEY_J}, {"k", KEY_K}, {"l", KEY_L},
      {"m", KEY_M}, {"n", KEY_N}, {"o", KEY_O}, {"p", KEY_P}, {"q", KEY_Q}, {"r", KEY_R},
      {"s", KEY_S}, {"t", KEY_T}, {"u", KEY_U}, {"v", KEY_V}, {"w", KEY_W}, {"x", KEY_X},
      {"y", KEY_Y}, {"z", KEY_Z},
      {"BackSpace", KEY_BACKSPACE}, {"Insert", KEY_INSERT}, {"Delete", KEY_DELETE},
      {"Home", KEY_HOME}, {"End", KEY_END}, {"PageUp", KEY_PAGEUP}, {"PageDown", KEY_PAGEDOWN}};
  ASSERT_EQ(expected.size(), 67u);
  std::set<int> seen;
  for (const KeyEntry& entry : kKeyTable) {
    if (entry.Code == 0) continue;
    const int key = LinuxKeyCode(entry.Stroke.ScanCode, entry.Stroke.Extended);
    EXPECT_EQ(key, expected.at(entry.Name)) << entry.Name;
    seen.insert(key);
  }
  EXPECT_EQ(seen.size(), 67u);
  EXPECT_EQ(LinuxKeyCode(0x1C, true), 0);  // keypad Enter is not in the table
  EXPECT_EQ(LinuxKeyCode(0x54, false), 0);
  EXPECT_EQ(LinuxKeyCode(0, false), 0);
}

}  // namespace
}  // namespace vantor
