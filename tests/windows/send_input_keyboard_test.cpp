// The key sink's keystrokes arrive in a window of the test's own as
// WM_KEYDOWN/WM_KEYUP (WM_SYSKEY... for Alt and F10) carrying the key
// table's virtual key, scan code and extended bit. Needs a display.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <vector>

#include "input/key_table.h"
#include "input/windows/send_input_keyboard.h"

namespace vantor {
namespace {

struct Arrived {
  bool Up;
  Keystroke Stroke;
  bool operator==(const Arrived&) const = default;
  friend void PrintTo(const Arrived& a, std::ostream* os) {
    *os << (a.Up ? "up" : "down") << " vk 0x" << std::hex << a.Stroke.VirtualKey << " scan 0x"
        << a.Stroke.ScanCode << (a.Stroke.Extended ? " extended" : "") << std::dec;
  }
};

std::vector<Arrived>* g_arrived = nullptr;

LRESULT CALLBACK RecordKeys(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP: {
      const auto bits = static_cast<std::uint32_t>(lParam);
      g_arrived->push_back({message == WM_KEYUP || message == WM_SYSKEYUP,
                            {static_cast<std::uint16_t>(wParam),
                             static_cast<std::uint16_t>((bits >> 16) & 0xFF),
                             ((bits >> 24) & 1) != 0}});
      return 0;  // no menu mode for Alt, no default handling at all
    }
    default:
      return ::DefWindowProcW(window, message, wParam, lParam);
  }
}

class KeyWindow : public testing::Test {
 protected:
  void SetUp() override {
    g_arrived = &arrived;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = RecordKeys;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"VantorKeySinkTest";
    ::RegisterClassW(&windowClass);
    window = ::CreateWindowExW(0, windowClass.lpszClassName, L"key sink test",
                               WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 300, 200, nullptr,
                               nullptr, windowClass.hInstance, nullptr);
    ASSERT_NE(window, nullptr) << "no window: is there a display?";
    ::SetForegroundWindow(window);
    ::SetFocus(window);
    Pump(std::chrono::milliseconds(300));
    ASSERT_EQ(::GetFocus(), window) << "the test window did not get the keyboard focus";
    arrived.clear();
  }
  void TearDown() override {
    if (window) ::DestroyWindow(window);
    g_arrived = nullptr;
  }

  // Handles messages until `until` has passed or `count` keys arrived.
  void Pump(std::chrono::milliseconds until, std::size_t count = SIZE_MAX) {
    const auto end = std::chrono::steady_clock::now() + until;
    while (std::chrono::steady_clock::now() < end && arrived.size() < count) {
      MSG message;
      while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
      }
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
  }

  HWND window = nullptr;
  std::vector<Arrived> arrived;
};

TEST_F(KeyWindow, EveryKeyOfTheTableArrivesWithItsVirtualKeyScanCodeAndExtendedBit) {
  SendInputKeyboard keyboard;
  std::vector<Arrived> sent;
  for (const KeyEntry& entry : kKeyTable) {
    if (entry.Code == 0) continue;  // "nil" sends nothing
    keyboard.SendKeyDown(entry.Stroke.VirtualKey, entry.Stroke.ScanCode, entry.Stroke.Extended);
    keyboard.SendKeyUp(entry.Stroke.VirtualKey, entry.Stroke.ScanCode, entry.Stroke.Extended);
    sent.push_back({false, entry.Stroke});
    sent.push_back({true, entry.Stroke});
  }
  Pump(std::chrono::seconds(5), sent.size());
  EXPECT_EQ(keyboard.Refused(), 0u);
  EXPECT_EQ(arrived, sent);
}

TEST_F(KeyWindow, HeldKeyStaysDownUntilItsKeyUp) {
  SendInputKeyboard keyboard;
  const Keystroke rightCtrl = *KeystrokeForCode(8);
  keyboard.SendKeyDown(rightCtrl.VirtualKey, rightCtrl.ScanCode, rightCtrl.Extended);
  Pump(std::chrono::seconds(2), 1);
  EXPECT_TRUE(::GetKeyState(VK_CONTROL) & 0x8000);
  keyboard.SendKeyUp(rightCtrl.VirtualKey, rightCtrl.ScanCode, rightCtrl.Extended);
  Pump(std::chrono::seconds(2), 2);
  EXPECT_FALSE(::GetKeyState(VK_CONTROL) & 0x8000);
  EXPECT_EQ(arrived, (std::vector<Arrived>{{false, rightCtrl}, {true, rightCtrl}}));
}

}  // namespace
}  // namespace vantor
