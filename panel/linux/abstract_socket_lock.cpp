// The instance name is a unix socket in the abstract namespace: visible to
// every user of the machine (of its network namespace), never a file that
// could be left behind, and released by the kernel with the last descriptor.
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <utility>

#include "device/linux/unique_fd.h"
#include "panel/instance_lock.h"

namespace vantor {
namespace {

class AbstractSocketLock final : public InstanceLock {
 public:
  explicit AbstractSocketLock(UniqueFd socket) : m_socket(std::move(socket)) {}

 private:
  UniqueFd m_socket;
};

}  // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(std::string_view name) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  // sun_path[0] stays NUL: that makes the name abstract.
  if (name.empty() || name.size() > sizeof(address.sun_path) - 1) return nullptr;
  std::memcpy(address.sun_path + 1, name.data(), name.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());

  UniqueFd socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.IsOpen()) return nullptr;
  // EADDRINUSE: another panel runs.
  if (::bind(socket.Get(), reinterpret_cast<const sockaddr*>(&address), length) != 0) return nullptr;
  return std::make_unique<AbstractSocketLock>(std::move(socket));
}

}  // namespace vantor
