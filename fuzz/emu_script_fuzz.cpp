// The emulator's commands, one a line, as a script file or stdin gives
// them: every command parsed is in range, and a line is either a command,
// nothing (blank or comment), or refused with a reason.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/fuzz_check.h"
#include "tools/vantor-emu/emu_script.h"

using vantor::fuzz::Require;
using namespace vantor::emu;

namespace {

bool IsBlank(std::string_view line) {
  line = line.substr(0, line.find('#'));
  // What the parser splits words at: the C locale's white space.
  return line.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos;
}

bool InRange(const EmuCommand& c) {
  switch (c.Kind) {
    case CommandKind::Press:
    case CommandKind::Release:
    case CommandKind::Click:
      return c.A >= 1 && c.A <= static_cast<int>(kMouseButtonCount) && c.B == 0;
    case CommandKind::Wheel:
      return c.A >= -127 && c.A <= 127 && c.B == 0;
    case CommandKind::Move:
      return c.A >= -127 && c.A <= 127 && c.B >= -127 && c.B <= 127;
    case CommandKind::Refuse:
      return c.A >= 0 && c.A <= (kRefuseGet | kRefuseSet) && c.B == 0;
    case CommandKind::Wait:
      return c.A >= 0 && c.A <= 600'000 && c.B == 0;
    case CommandKind::Unplug:
    case CommandKind::Plug:
    case CommandKind::Show:
    case CommandKind::Quit:
      return c.A == 0 && c.B == 0;
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  while (start <= script.size()) {
    const std::size_t eol = std::min(script.find('\n', start), script.size());
    const std::string_view line = script.substr(start, eol - start);
    start = eol + 1;

    std::string error;
    const auto command = ParseEmuCommand(line, error);
    if (command) {
      Require(error.empty(), "a command comes without a reason");
      Require(InRange(*command), "a command's numbers are in range");
      std::string again;
      Require(ParseEmuCommand(std::string(line) + " # note", again) == command,
              "a comment after a command changes nothing");
    } else {
      Require(error.empty() == IsBlank(line), "only a blank or comment line gives nothing silently");
    }
  }
  return 0;
}
