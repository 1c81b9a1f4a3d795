// The keys of the translator, typed through one virtual keyboard, "Vantor
// virtual keyboard", made once through uinput and kept until the program
// ends. It offers exactly the keys of the key table.
#pragma once

#include <filesystem>
#include <string>

#include "device/linux/unique_fd.h"
#include "input/key_sink.h"

namespace vantor {

inline constexpr const char* kVirtualKeyboardName = "Vantor virtual keyboard";

class UinputKeyboard final : public KeySink {
 public:
  // node is the uinput device. Tests name a plain file or a pipe instead:
  // such a node gets the event stream only, since the calls that make the
  // keyboard mean something to the uinput device alone.
  explicit UinputKeyboard(std::filesystem::path node = "/dev/uinput");
  ~UinputKeyboard() override;
  UinputKeyboard(const UinputKeyboard&) = delete;
  UinputKeyboard& operator=(const UinputKeyboard&) = delete;

  // False when the node could not be opened or the keyboard not be made;
  // key transitions are then dropped and Problem() says why.
  bool KeyPressesOn() const { return m_fd.IsOpen(); }
  const std::string& Problem() const { return m_problem; }

  // Each transition is written as EV_KEY and SYN_REPORT in one write; a
  // keystroke without a Linux key writes nothing.
  void SendKeyDown(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended) override;
  void SendKeyUp(std::uint16_t virtualKey, std::uint16_t scanCode, bool extended) override;

 private:
  bool CreateKeyboard();
  void Send(std::uint16_t scanCode, bool extended, int value);

  std::filesystem::path m_node;
  UniqueFd m_fd;
  bool m_created = false;
  std::string m_problem;
};

}  // namespace vantor
