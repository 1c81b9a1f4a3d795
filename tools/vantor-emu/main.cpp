// vantor-emu: an adapter for machines without one. It appears to the kernel
// as the real adapter through /dev/uhid and stays until Ctrl-C, SIGTERM or
// "quit"; commands on stdin or in a script press its buttons.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/vantor-emu/adapter_nodes.h"
#include "tools/vantor-emu/emu_script.h"
#include "tools/vantor-emu/uhid_adapter.h"

namespace {

using namespace vantor::emu;

constexpr int kExitOk = 0, kExitFailure = 1, kExitUsage = 2;
constexpr auto kNodeWait = std::chrono::seconds(2);

struct Options {
  std::filesystem::path StateFile;
  std::filesystem::path Script;
  int Refuse = 0;
};

void PrintUsage(std::ostream& err) {
  err << "usage: vantor-emu [--state FILE] [--refuse get|set|all] [--script FILE]\n"
         "Plugs in an emulated Vantor adapter through /dev/uhid. Commands come from\n"
         "the script or, without one, from stdin; afterwards the adapter stays\n"
         "plugged in until Ctrl-C, SIGTERM or \"quit\". --state keeps its settings\n"
         "in FILE across runs. Commands:\n";
  PrintEmuCommands(err);
}

bool ParseOptions(int argc, char** argv, Options& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const char* value = i + 1 < argc ? argv[i + 1] : nullptr;
    if (arg == "--state" && value) {
      options.StateFile = argv[++i];
    } else if (arg == "--script" && value) {
      options.Script = argv[++i];
    } else if (arg == "--refuse" && value) {
      std::string parseError;
      const auto command = ParseEmuCommand(std::string("refuse ") + argv[++i], parseError);
      if (!command) return error = "--refuse takes get, set or all", false;
      options.Refuse = command->A;
    } else if (arg == "--state" || arg == "--script" || arg == "--refuse") {
      return error = std::string(arg) + " needs a value", false;
    } else {
      return error = "unknown argument " + std::string(arg), false;
    }
  }
  return true;
}

// SIGINT and SIGTERM arrive on a descriptor, so every wait can watch them.
int SignalDescriptor() {
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, SIGINT);
  sigaddset(&set, SIGTERM);
  sigprocmask(SIG_BLOCK, &set, nullptr);
  return signalfd(-1, &set, SFD_CLOEXEC);
}

// False when a signal came before the time was up.
bool WaitUnlessSignalled(int signals, int milliseconds) {
  pollfd fd{signals, POLLIN, 0};
  return ::poll(&fd, 1, milliseconds) == 0;
}

// Runs a whole script, checked before anything is sent. False ends the
// session; exitCode tells why.
bool RunScript(const std::filesystem::path& file, EmuSession& session, int& exitCode) {
  std::ifstream in(file);
  if (!in) {
    std::cerr << "vantor-emu: cannot read " << file.string() << '\n';
    return exitCode = kExitUsage, false;
  }
  std::vector<EmuCommand> commands;
  std::string line, error;
  for (int number = 1; std::getline(in, line); ++number) {
    if (auto command = ParseEmuCommand(line, error)) commands.push_back(*command);
    else if (!error.empty()) {
      std::cerr << "vantor-emu: " << file.string() << ':' << number << ": " << error << '\n';
      return exitCode = kExitUsage, false;
    }
  }
  for (const EmuCommand& command : commands)
    if (!session.Run(command)) return false;
  return true;
}

// Commands typed on stdin until its end; a bad line is reported and skipped.
bool RunStdin(int signals, EmuSession& session) {
  std::string pending;
  auto runLine = [&](const std::string& line) {
    std::string error;
    if (auto command = ParseEmuCommand(line, error)) return session.Run(*command);
    if (!error.empty()) std::cerr << "vantor-emu: " << error << '\n';
    return true;
  };
  for (;;) {
    pollfd fds[2] = {{STDIN_FILENO, POLLIN, 0}, {signals, POLLIN, 0}};
    if (::poll(fds, 2, -1) < 0) continue;
    if (fds[1].revents) return false;
    char chunk[512];
    const ssize_t n = ::read(STDIN_FILENO, chunk, sizeof chunk);
    if (n <= 0) return pending.empty() || runLine(pending);
    pending.append(chunk, static_cast<std::size_t>(n));
    for (std::size_t eol; (eol = pending.find('\n')) != std::string::npos;) {
      const std::string line = pending.substr(0, eol);
      pending.erase(0, eol + 1);
      if (!runLine(line)) return false;
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  std::string error;
  if (argc == 2 && (std::string_view(argv[1]) == "--help" || std::string_view(argv[1]) == "-h")) {
    PrintUsage(std::cout);
    return kExitOk;
  }
  if (!ParseOptions(argc, argv, options, error)) {
    std::cerr << "vantor-emu: " << error << '\n';
    PrintUsage(std::cerr);
    return kExitUsage;
  }
  const int signals = SignalDescriptor();

  const int fd = OpenUhid(error);
  if (fd < 0) {
    std::cerr << "vantor-emu: " << error
              << " (it needs root or access to /dev/uhid, and the uhid module: modprobe uhid)\n";
    return kExitFailure;
  }
  EmulatorOptions emulated;
  emulated.StateFile = options.StateFile;
  UhidAdapter adapter(fd, emulated);
  Faults faults;
  faults.RefuseGet = (options.Refuse & kRefuseGet) != 0;
  faults.RefuseSet = (options.Refuse & kRefuseSet) != 0;
  adapter.SetFaults(faults);
  if (!adapter.Plug(error)) {
    std::cerr << "vantor-emu: " << error << '\n';
    return kExitFailure;
  }
  if (const auto nodes = WaitForAdapterNodes(adapter.Uniq(), kNodeWait))
    std::cout << "vantor-emu: plugged in, settings at " << nodes->Hidraw << ", buttons at "
              << nodes->Event << std::endl;
  else
    std::cout << "vantor-emu: plugged in, but the kernel made no hidraw and input node "
                 "(is hid-generic loaded?)" << std::endl;

  EmuSession session(adapter, std::cout, std::cerr,
                     [&](std::chrono::milliseconds ms) {
                       return WaitUnlessSignalled(signals, static_cast<int>(ms.count()));
                     });
  int exitCode = kExitOk;
  const bool goOn = options.Script.empty() ? RunStdin(signals, session)
                                           : RunScript(options.Script, session, exitCode);
  if (goOn) WaitUnlessSignalled(signals, -1);

  const std::string stateError = adapter.StateError();
  if (!stateError.empty()) {
    std::cerr << "vantor-emu: " << stateError << '\n';
    exitCode = kExitFailure;
  }
  return exitCode;
}
