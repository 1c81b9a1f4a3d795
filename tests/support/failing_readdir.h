// A directory listing that fails half-way, as a sysfs listing can when a
// device goes while it is read: while a ReaddirFailure lives, readdir hands
// out the given number of entries ("." and ".." count), then fails.
// The test program's own readdir stands in for the C library's.
#pragma once

#include <cerrno>
#include <cstddef>

namespace vantor {

class ReaddirFailure {
 public:
  explicit ReaddirFailure(std::size_t entriesBeforeFailure, int error = EIO);
  ~ReaddirFailure();
  ReaddirFailure(const ReaddirFailure&) = delete;
  ReaddirFailure& operator=(const ReaddirFailure&) = delete;

  // How often readdir failed meanwhile.
  std::size_t Failures() const;
};

}  // namespace vantor
