#include "input/linux/uinput_keyboard.h"

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "input/key_table.h"
#include "input/linux/input_messages.h"
#include "input/linux/linux_key_codes.h"

namespace vantor {

UinputKeyboard::UinputKeyboard(std::filesystem::path node)
    : m_node(std::move(node)), m_fd(::open(m_node.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC)) {
  if (!m_fd.IsOpen()) {
    m_problem = KeyboardCannotOpenMessage(m_node.string(), errno);
    return;
  }
  struct stat info {};
  const bool isDevice = ::fstat(m_fd.Get(), &info) == 0 && S_ISCHR(info.st_mode);
  if (isDevice && !CreateKeyboard()) {
    m_problem = KeyboardCannotCreateMessage(m_node.string(), std::strerror(errno));
    m_fd.Reset();
  }
}

UinputKeyboard::~UinputKeyboard() {
  // Destroying the keyboard makes the kernel release whatever it still holds.
  if (m_created) ::ioctl(m_fd.Get(), UI_DEV_DESTROY);
}

bool UinputKeyboard::CreateKeyboard() {
  const int fd = m_fd.Get();
  if (::ioctl(fd, UI_SET_EVBIT, EV_KEY) < 0) return false;
  for (const KeyEntry& entry : kKeyTable) {
    const int key = LinuxKeyCode(entry.Stroke.ScanCode, entry.Stroke.Extended);
    if (key != 0 && ::ioctl(fd, UI_SET_KEYBIT, key) < 0) return false;
  }
  uinput_setup setup{};
  setup.id.bustype = BUS_VIRTUAL;
  std::strncpy(setup.name, kVirtualKeyboardName, UINPUT_MAX_NAME_SIZE - 1);
  if (::ioctl(fd, UI_DEV_SETUP, &setup) < 0 || ::ioctl(fd, UI_DEV_CREATE) < 0) return false;
  m_created = true;
  return true;
}

void UinputKeyboard::SendKeyDown(std::uint16_t, std::uint16_t scanCode, bool extended) {
  Send(scanCode, extended, 1);
}

void UinputKeyboard::SendKeyUp(std::uint16_t, std::uint16_t scanCode, bool extended) {
  Send(scanCode, extended, 0);
}

void UinputKeyboard::Send(std::uint16_t scanCode, bool extended, int value) {
  const int key = LinuxKeyCode(scanCode, extended);
  if (!m_fd.IsOpen() || key == 0) return;
  input_event events[2] = {};
  events[0].type = EV_KEY;
  events[0].code = static_cast<std::uint16_t>(key);
  events[0].value = value;
  events[1].type = EV_SYN;
  events[1].code = SYN_REPORT;
  // Like SendInput's, the result is not looked at: a lost key cannot be
  // sent again sensibly later.
  while (::write(m_fd.Get(), events, sizeof events) < 0 && errno == EINTR) {
  }
}

}  // namespace vantor
