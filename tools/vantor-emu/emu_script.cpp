#include "tools/vantor-emu/emu_script.h"

#include <charconv>
#include <cstddef>
#include <cstdio>
#include <ostream>
#include <sstream>
#include <vector>

namespace vantor::emu {
namespace {

struct CommandSpec {
  std::string_view Name;
  CommandKind Kind;
  std::string_view Args;  // as shown in the usage text
  std::size_t ArgCount;
  int Min, Max;  // for every numeric argument
};

constexpr int kMaxWaitMs = 600'000;

constexpr CommandSpec kSpecs[] = {
    {"press", CommandKind::Press, "N", 1, 1, kMouseButtonCount},
    {"release", CommandKind::Release, "N", 1, 1, kMouseButtonCount},
    {"click", CommandKind::Click, "N", 1, 1, kMouseButtonCount},
    {"wheel", CommandKind::Wheel, "D", 1, -127, 127},
    {"move", CommandKind::Move, "DX DY", 2, -127, 127},
    {"refuse", CommandKind::Refuse, "get|set|all|none", 1, 0, 0},
    {"wait", CommandKind::Wait, "MS", 1, 0, kMaxWaitMs},
    {"unplug", CommandKind::Unplug, "", 0, 0, 0},
    {"plug", CommandKind::Plug, "", 0, 0, 0},
    {"show", CommandKind::Show, "", 0, 0, 0},
    {"quit", CommandKind::Quit, "", 0, 0, 0},
};

std::optional<int> RefusalOf(std::string_view word) {
  if (word == "none") return 0;
  if (word == "get") return kRefuseGet;
  if (word == "set") return kRefuseSet;
  if (word == "all") return kRefuseGet | kRefuseSet;
  return std::nullopt;
}

std::optional<int> NumberIn(std::string_view word, int min, int max) {
  int value = 0;
  const char* end = word.data() + word.size();
  const auto [ptr, ec] = std::from_chars(word.data() + (word.starts_with('+') ? 1 : 0), end, value);
  if (ec != std::errc() || ptr != end || value < min || value > max) return std::nullopt;
  return value;
}

}  // namespace

std::optional<EmuCommand> ParseEmuCommand(std::string_view line, std::string& error) {
  error.clear();
  if (const auto hash = line.find('#'); hash != std::string_view::npos) line = line.substr(0, hash);
  std::istringstream words{std::string(line)};
  std::vector<std::string> w;
  for (std::string word; words >> word;) w.push_back(word);
  if (w.empty()) return std::nullopt;

  for (const CommandSpec& spec : kSpecs) {
    if (spec.Name != w[0]) continue;
    const std::string usage = std::string(spec.Name) + (spec.Args.empty() ? "" : " ") +
                              std::string(spec.Args);
    if (w.size() - 1 != spec.ArgCount) {
      error = "usage: " + usage;
      return std::nullopt;
    }
    EmuCommand command{spec.Kind};
    if (spec.Kind == CommandKind::Refuse) {
      const auto bits = RefusalOf(w[1]);
      if (!bits) return error = "usage: " + usage, std::nullopt;
      command.A = *bits;
      return command;
    }
    int* targets[] = {&command.A, &command.B};
    for (std::size_t i = 0; i < spec.ArgCount; ++i) {
      const auto value = NumberIn(w[i + 1], spec.Min, spec.Max);
      if (!value) {
        error = std::string(spec.Name) + " takes numbers from " + std::to_string(spec.Min) +
                " to " + std::to_string(spec.Max) + ": " + usage;
        return std::nullopt;
      }
      *targets[i] = *value;
    }
    return command;
  }
  error = "unknown command \"" + w[0] + "\"";
  return std::nullopt;
}

void PrintEmuCommands(std::ostream& out) {
  for (const CommandSpec& spec : kSpecs)
    out << "  " << spec.Name << (spec.Args.empty() ? "" : " ") << spec.Args << '\n';
}

EmuSession::EmuSession(UhidAdapter& adapter, std::ostream& out, std::ostream& err,
                       WaitFunction wait)
    : m_adapter(adapter), m_out(out), m_err(err), m_wait(std::move(wait)) {}

bool EmuSession::Send(const MouseInputReport& report) {
  if (m_adapter.SendMouse(report)) return true;
  m_err << (m_adapter.Plugged() ? "the kernel refused the input report\n"
                                : "the adapter is unplugged\n");
  return false;
}

bool EmuSession::Run(const EmuCommand& c) {
  const auto bit = static_cast<std::uint8_t>(1u << ((c.A - 1) & 7));
  switch (c.Kind) {
    // The held buttons change only with a report the kernel took.
    case CommandKind::Press:
      if (Send({static_cast<std::uint8_t>(m_buttons | bit)})) m_buttons |= bit;
      break;
    case CommandKind::Release:
      if (Send({static_cast<std::uint8_t>(m_buttons & ~bit)}))
        m_buttons &= static_cast<std::uint8_t>(~bit);
      break;
    case CommandKind::Click:
      if (Send({static_cast<std::uint8_t>(m_buttons | bit)})) Send({m_buttons});
      break;
    case CommandKind::Wheel:
      Send({m_buttons, 0, 0, static_cast<std::int8_t>(c.A)});
      break;
    case CommandKind::Move:
      Send({m_buttons, static_cast<std::int8_t>(c.A), static_cast<std::int8_t>(c.B)});
      break;
    case CommandKind::Refuse: {
      Faults faults;
      faults.RefuseGet = (c.A & kRefuseGet) != 0;
      faults.RefuseSet = (c.A & kRefuseSet) != 0;
      m_adapter.SetFaults(faults);
      break;
    }
    case CommandKind::Wait:
      return m_wait(std::chrono::milliseconds(c.A));
    case CommandKind::Unplug:
      if (!m_adapter.Unplug()) m_err << "the adapter is already unplugged\n";
      m_buttons = 0;
      break;
    case CommandKind::Plug: {
      std::string error;
      if (m_adapter.Plugged()) m_err << "the adapter is already plugged in\n";
      else if (!m_adapter.Plug(error)) m_err << error << '\n';
      break;
    }
    case CommandKind::Show: {
      char hex[4];
      for (std::uint8_t b : m_adapter.Stored()) {
        std::snprintf(hex, sizeof hex, "%02x ", b);
        m_out << hex;
      }
      m_out << '\n' << std::flush;
      break;
    }
    case CommandKind::Quit:
      return false;
  }
  return true;
}

}  // namespace vantor::emu
