#include "tests/vm/real_kernel.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <system_error>
#include <thread>

namespace vantor::vm {
namespace fs = std::filesystem;

PluggedAdapter PlugAdapter(const emu::EmulatorOptions& options) {
  PluggedAdapter plugged;
  std::string error;
  const int fd = emu::OpenUhid(error);
  if (fd < 0) {
    ADD_FAILURE() << error;
    return plugged;
  }
  auto adapter = std::make_unique<emu::UhidAdapter>(fd, options);
  if (!adapter->Plug(error)) {
    ADD_FAILURE() << error;
    return plugged;
  }
  const auto nodes = emu::WaitForAdapterNodes(adapter->Uniq(), kKernelWait);
  if (!nodes) {
    ADD_FAILURE() << "the kernel made no hidraw and event node for " << adapter->Uniq();
    return plugged;
  }
  plugged.Adapter = std::move(adapter);
  plugged.Nodes = *nodes;
  return plugged;
}

bool WaitUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= deadline) return done();
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

bool NoHidrawNodes() {
  std::error_code ec;
  return fs::is_empty("/sys/class/hidraw", ec) || ec;
}

std::optional<std::string> RunAsNobody(const std::function<std::string()>& body) {
  int pipeFds[2];
  if (::pipe(pipeFds) != 0) return std::nullopt;
  const pid_t child = ::fork();
  if (child < 0) return std::nullopt;
  if (child == 0) {
    ::close(pipeFds[0]);
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(1);
    const std::string text = body();
    const bool written = ::write(pipeFds[1], text.data(), text.size()) == ssize_t(text.size());
    ::_exit(written ? 0 : 1);
  }
  ::close(pipeFds[1]);
  std::string text;
  char chunk[256];
  for (ssize_t n; (n = ::read(pipeFds[0], chunk, sizeof chunk)) > 0;)
    text.append(chunk, static_cast<std::size_t>(n));
  ::close(pipeFds[0]);
  int status = 0;
  if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return std::nullopt;
  return text;
}

int OpenDescriptorCount() {
  std::error_code ec;
  int count = 0;
  for (auto it = fs::directory_iterator("/proc/self/fd", ec); !ec && it != fs::directory_iterator();
       it.increment(ec))
    ++count;
  return count;
}

}  // namespace vantor::vm
