// "remap": turns the gun buttons of every listed adapter into key presses,
// without a desktop (emulator cabinets have none), until SIGINT or SIGTERM.
// One poll loop waits on the signals and on the adapters' mice.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <ostream>
#include <vector>

#include "device/listed_adapters.h"
#include "input/device_list_view.h"
#include "input/input_router.h"
#include "input/key_table.h"
#include "input/linux/evdev_mouse_source.h"
#include "input/linux/uinput_keyboard.h"
#include "input/simulated_mouse_source.h"
#include "tools/vantorctl/cli.h"

namespace vantor::cli {
namespace {

constexpr std::string_view kRunning =
    "Turning the gun buttons into keys; stop with Ctrl+C or SIGTERM.";
constexpr std::string_view kSimulatedNoInput =
    "Simulated adapters send no input here; waiting for the signal only.";
constexpr std::string_view kMouseGone =
    "An adapter's mouse went away; its buttons are no longer turned into keys.";
constexpr std::string_view kStopped = "Stopped.";
constexpr std::string_view kNoSignals = "Cannot wait for SIGINT and SIGTERM: ";

// The Keys Mapping page's captions of ButtonRemap1..6.
constexpr std::string_view kRemapCaptions[kRemapCount] = {
    "Button 1", "Button 2", "Button 3", "Button 4", "Button 5", "Wheel Up/Down"};

// SIGINT and SIGTERM arrive through a descriptor for as long as this lives.
class StopSignals {
 public:
  StopSignals() {
    sigemptyset(&m_signals);
    sigaddset(&m_signals, SIGINT);
    sigaddset(&m_signals, SIGTERM);
    if (::sigprocmask(SIG_BLOCK, &m_signals, &m_previous) != 0) return;
    m_fd = ::signalfd(-1, &m_signals, SFD_CLOEXEC | SFD_NONBLOCK);
    if (m_fd < 0) ::sigprocmask(SIG_SETMASK, &m_previous, nullptr);
  }
  ~StopSignals() {
    if (m_fd < 0) return;
    ::close(m_fd);
    ::sigprocmask(SIG_SETMASK, &m_previous, nullptr);
  }
  StopSignals(const StopSignals&) = delete;
  StopSignals& operator=(const StopSignals&) = delete;

  int Fd() const { return m_fd; }

 private:
  sigset_t m_signals{};
  sigset_t m_previous{};
  int m_fd = -1;
};

void PrintRemaps(const std::vector<GunDevice*>& adapters, std::ostream& out) {
  for (std::size_t i = 0; i < adapters.size(); ++i) {
    out << AdapterDisplayName(i + 1) << ':';
    for (std::size_t r = 0; r < kRemapCount; ++r)
      out << (r ? ", " : " ") << kRemapCaptions[r] << ' '
          << KeyNameFromCode(adapters[i]->Settings.*kButtonRemapFields[r]);
    out << '\n';
  }
}

// Until a stop signal: the mice's reports go to handler as they come.
void WaitForSignal(int stopFd, MouseSource& mice, MouseReportHandler& handler,
                   std::ostream& err) {
  std::vector<pollfd> watched;
  bool rebuild = true;
  for (;;) {
    if (rebuild) {
      watched.assign(1, {stopFd, POLLIN, 0});
      for (int fd : mice.Fds()) watched.push_back({fd, POLLIN, 0});
      rebuild = false;
    }
    if (::poll(watched.data(), watched.size(), -1) < 0) {
      if (errno == EINTR) continue;
      err << "poll: " << std::strerror(errno) << '\n';
      return;
    }
    if (watched[0].revents) {
      // Taken, so that it is not delivered once the signals are unblocked.
      signalfd_siginfo signal{};
      while (::read(stopFd, &signal, sizeof signal) < 0 && errno == EINTR) {
      }
      return;
    }
    for (std::size_t i = 1; i < watched.size(); ++i) {
      if (!watched[i].revents) continue;
      if (!mice.ReadReady(watched[i].fd, handler)) {
        err << kMouseGone << '\n';
        rebuild = true;
      }
    }
  }
}

}  // namespace

void TypeUntilStopped(int stopFd, MouseSource& mice, InputRouter& router, std::ostream& err) {
  WaitForSignal(stopFd, mice, router, err);
  // The gun's buttons may still be down; their keys must not be.
  router.ReleaseHeldKeys();
}

int RunRemap(Session& session, std::span<const std::string> args, std::ostream& out,
             std::ostream& err) {
  if (!args.empty()) {
    err << "remap takes no arguments\n";
    return kExitUsage;
  }
  if (!session.RequireAdapters(err)) return kExitFailure;

  StopSignals stop;
  if (stop.Fd() < 0) {
    err << kNoSignals << std::strerror(errno) << '\n';
    return kExitFailure;
  }

  UinputKeyboard keyboard;
  if (!keyboard.KeyPressesOn()) err << keyboard.Problem() << '\n';

  std::unique_ptr<MouseSource> mice;
  if (session.Simulated())
    mice = std::make_unique<SimulatedMouseSource>();
  else
    mice = std::make_unique<EvdevMouseSource>();
  const std::vector<GunDevice*>& adapters = session.Adapters();
  mice->WatchAdapters(adapters);
  for (const std::string& problem : mice->Problems()) err << problem << '\n';

  // Headless, the first adapter stands as the current device; there is no
  // pressed-button display to drive.
  FixedDeviceList list(adapters, adapters.front());
  InputRouter router(list, keyboard);

  PrintRemaps(adapters, out);
  if (session.Simulated()) out << kSimulatedNoInput << '\n';
  out << kRunning << std::endl;
  TypeUntilStopped(stop.Fd(), *mice, router, err);
  out << kStopped << '\n';
  return kExitOk;
}

}  // namespace vantor::cli
