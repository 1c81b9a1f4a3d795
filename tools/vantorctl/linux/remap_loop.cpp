// The wait of "remap" on Linux: one poll loop on SIGINT and SIGTERM (through
// a signalfd) and on the descriptors of the adapters' mice.
#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ostream>
#include <vector>

#include "device/linux/unique_fd.h"
#include "tools/vantorctl/backends.h"

namespace vantor::cli {
namespace {

constexpr std::string_view kMouseGone =
    "An adapter's mouse went away; its buttons are no longer turned into keys.";
constexpr std::string_view kNoSignals = "Cannot wait for SIGINT and SIGTERM: ";

// SIGINT and SIGTERM arrive through a descriptor for as long as this lives.
class SignalLoop final : public RemapLoop {
 public:
  SignalLoop() {
    sigemptyset(&m_signals);
    sigaddset(&m_signals, SIGINT);
    sigaddset(&m_signals, SIGTERM);
    if (::sigprocmask(SIG_BLOCK, &m_signals, &m_previous) != 0) return;
    m_fd.Reset(::signalfd(-1, &m_signals, SFD_CLOEXEC | SFD_NONBLOCK));
    if (!m_fd.IsOpen()) ::sigprocmask(SIG_SETMASK, &m_previous, nullptr);
  }
  ~SignalLoop() override {
    if (!m_fd.IsOpen()) return;
    m_fd.Reset();
    ::sigprocmask(SIG_SETMASK, &m_previous, nullptr);
  }
  SignalLoop(const SignalLoop&) = delete;
  SignalLoop& operator=(const SignalLoop&) = delete;

  bool Waiting() const { return m_fd.IsOpen(); }

  void Run(MouseSource& source, MouseReportHandler& handler, std::ostream& err) override {
    DescriptorInput* mice = source.Descriptors();
    std::vector<pollfd> watched;
    bool rebuild = true;
    for (;;) {
      if (rebuild) {
        watched.assign(1, {m_fd.Get(), POLLIN, 0});
        if (mice)
          for (int fd : mice->Fds()) watched.push_back({fd, POLLIN, 0});
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
        while (::read(m_fd.Get(), &signal, sizeof signal) < 0 && errno == EINTR) {
        }
        return;
      }
      for (std::size_t i = 1; i < watched.size(); ++i) {
        if (!watched[i].revents) continue;
        if (!mice->ReadReady(watched[i].fd, handler)) {
          err << kMouseGone << '\n';
          rebuild = true;
        }
      }
    }
  }

 private:
  sigset_t m_signals{};
  sigset_t m_previous{};
  UniqueFd m_fd;
};

}  // namespace

std::unique_ptr<RemapLoop> MakeRemapLoop(std::ostream& err) {
  auto loop = std::make_unique<SignalLoop>();
  if (!loop->Waiting()) {
    err << kNoSignals << std::strerror(errno) << '\n';
    return nullptr;
  }
  return loop;
}

}  // namespace vantor::cli
