// The emulator's little command language, one command a line, read from a
// script file or typed on stdin:
//   press N / release N / click N   mouse button N (1..5) of the gun
//   wheel D                         one report with wheel movement D
//   move DX DY                      one report with movement
//   refuse get|set|all|none         refuse feature report requests
//   wait MS                         pause
//   unplug / plug                   pull the cable, put it back
//   show                            the stored report 2 in hex
//   quit                            unplug and end
// '#' starts a comment.
#pragma once

#include <chrono>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "tools/vantor-emu/uhid_adapter.h"

namespace vantor::emu {

enum class CommandKind { Press, Release, Click, Wheel, Move, Refuse, Wait, Unplug, Plug, Show, Quit };

// What "refuse" refuses.
inline constexpr int kRefuseGet = 1, kRefuseSet = 2;

struct EmuCommand {
  CommandKind Kind;
  int A = 0;  // button, wheel delta, X, refusal bits or milliseconds
  int B = 0;  // Y
  bool operator==(const EmuCommand&) const = default;
};

// One line: a command, or nothing for a blank or comment line, or nothing
// with the reason in error for a line that is not a command.
std::optional<EmuCommand> ParseEmuCommand(std::string_view line, std::string& error);

// The commands with their arguments, one a line, for the usage text.
void PrintEmuCommands(std::ostream& out);

// Carries out commands on one adapter, keeping the buttons held between
// them. Failures are reported on err; they do not end the session.
class EmuSession {
 public:
  // wait pauses for the given time and returns false when interrupted.
  using WaitFunction = std::function<bool(std::chrono::milliseconds)>;
  EmuSession(UhidAdapter& adapter, std::ostream& out, std::ostream& err, WaitFunction wait);

  // False when the session is over (quit, or an interrupted wait).
  bool Run(const EmuCommand& command);

 private:
  bool Send(const MouseInputReport& report);

  UhidAdapter& m_adapter;
  std::ostream& m_out;
  std::ostream& m_err;
  WaitFunction m_wait;
  std::uint8_t m_buttons = 0;
};

}  // namespace vantor::emu
