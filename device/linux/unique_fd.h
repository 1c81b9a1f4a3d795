// The one owner of a file descriptor: it closes the descriptor when it goes
// or is given another, and can be moved but never copied.
#pragma once

#include <unistd.h>

#include <utility>

namespace vantor {

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : m_fd(fd) {}
  ~UniqueFd() { Reset(); }
  UniqueFd(UniqueFd&& other) noexcept : m_fd(other.Release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept {
    if (this != &other) Reset(other.Release());
    return *this;
  }
  UniqueFd(const UniqueFd&) = delete;
  UniqueFd& operator=(const UniqueFd&) = delete;

  int Get() const { return m_fd; }
  bool IsOpen() const { return m_fd >= 0; }

  // Closes the descriptor held, if any, and holds fd instead.
  void Reset(int fd = -1) {
    if (m_fd >= 0) ::close(m_fd);
    m_fd = fd;
  }
  int Release() { return std::exchange(m_fd, -1); }
  // close()'s own result, for writers that must know of a late write error
  // (NFS, quotas); 0 when nothing was open.
  int Close() { return m_fd >= 0 ? ::close(Release()) : 0; }

 private:
  int m_fd = -1;
};

}  // namespace vantor
