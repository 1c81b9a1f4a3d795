// POSIX file calls, for what std::filesystem and streams cannot say: open
// without blocking, fstat on the opened file, fsync, and the errno of each
// step for the user.
#include "profiles/file_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <random>

#include "device/linux/unique_fd.h"

namespace vantor {
namespace {

void SetReason(std::string* reason, int error) {
  if (reason) *reason = std::strerror(error);
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// A name no profile listing shows (no ".ini"), short enough for any folder
// that holds the profile itself.
std::string TemporaryName() {
  static std::mt19937_64 random{std::random_device{}()};
  char name[40];
  std::snprintf(name, sizeof name, ".profile-%016llx.tmp",
                static_cast<unsigned long long>(random()));
  return name;
}

// Gives the new file the old one's permissions and owner, then its content,
// down to the disk. 0, or the errno of the step that failed.
int FillFile(int fd, const struct stat* old, std::string_view bytes) {
  if (old) {
    if (::fchmod(fd, old->st_mode & 07777) != 0) return errno;
    // Keeps the owner when the caller may (root saving a user's profile);
    // for anyone else the owner already is the caller.
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
      if (::fchown(fd, old->st_uid, old->st_gid) != 0) { /* stays the caller's */ }
  }
  if (!WriteAll(fd, bytes) || ::fsync(fd) != 0) return errno;
  return 0;
}

void SyncFolder(const std::filesystem::path& folder) {
  // Makes the rename itself durable; a folder that cannot be opened for it
  // still got the new file, so this is best effort.
  const UniqueFd fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.IsOpen()) ::fsync(fd.Get());
}

}  // namespace

FileRead ReadBoundedFile(const std::filesystem::path& path, std::size_t maxBytes,
                         std::string& bytes, std::string* reason) {
  bytes.clear();
  const UniqueFd file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
  if (!file.IsOpen()) {
    SetReason(reason, errno);
    return errno == ENOENT ? FileRead::Missing : FileRead::Failed;
  }
  struct stat status {};
  if (::fstat(file.Get(), &status) != 0) {
    SetReason(reason, errno);
    return FileRead::Failed;
  }
  if (!S_ISREG(status.st_mode)) {
    if (reason) *reason = S_ISDIR(status.st_mode) ? std::strerror(EISDIR) : "Not a regular file";
    return FileRead::Failed;
  }
  if (static_cast<unsigned long long>(status.st_size) > maxBytes) return FileRead::TooLarge;
  bytes.reserve(static_cast<std::size_t>(status.st_size));
  std::array<char, 64 * 1024> chunk;
  for (;;) {  // the file may grow while it is read: the limit holds anyway
    const ssize_t n = ::read(file.Get(), chunk.data(), chunk.size());
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      SetReason(reason, errno);
      bytes.clear();
      return FileRead::Failed;
    }
    if (n == 0) return FileRead::Ok;
    if (bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
      bytes.clear();
      return FileRead::TooLarge;
    }
    bytes.append(chunk.data(), static_cast<std::size_t>(n));
  }
}

bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string* reason) {
  std::filesystem::path target = path;
  std::error_code ec;
  if (std::filesystem::is_symlink(path, ec)) {
    // The link stays and its target gets the content, as a write in place
    // would do.
    target = std::filesystem::weakly_canonical(path, ec);
    if (ec) return SetReason(reason, ec.value()), false;
  }
  const std::filesystem::path folder =
      target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");

  struct stat old {};
  const bool exists = ::stat(target.c_str(), &old) == 0;
  if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0)
    return SetReason(reason, errno), false;

  std::filesystem::path temporary;
  UniqueFd file;
  for (int attempt = 0; !file.IsOpen() && attempt < 100; ++attempt) {
    temporary = folder / TemporaryName();
    // A new profile gets the usual 0666 less the umask, as any new file.
    file.Reset(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                      exists ? 0600 : 0666));
    if (!file.IsOpen() && errno != EEXIST) break;
  }
  if (!file.IsOpen()) return SetReason(reason, errno), false;

  int error = FillFile(file.Get(), exists ? &old : nullptr, bytes);
  if (file.Close() != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return SetReason(reason, error), false;
  }
  SyncFolder(folder);
  return true;
}

}  // namespace vantor
