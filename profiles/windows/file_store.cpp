// Win32 file calls, for what std::filesystem and streams cannot say: the
// kind of the opened file, FlushFileBuffers, an atomic replacement that
// keeps the old file's attributes and security, and the system's words for
// each failure. Paths go to the W calls in their extended form, so that no
// 260-character limit applies.
#include "profiles/file_store.h"

#include <windows.h>

#include <array>
#include <cstdio>
#include <random>

#include "device/windows/system_message.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;

// ERROR_DIRECTORY_NOT_SUPPORTED, which mingw's headers lack: "An operation
// is not supported on a directory."
constexpr DWORD kDirectoryNotSupported = 336;

// The longest file name, in UTF-16 units, that NTFS and FAT take.
constexpr std::size_t kMaxNameLength = 255;

// What of the old file's attributes the new one takes over; read-only ones
// are never replaced.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                  FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

bool Fail(std::string* reason, DWORD error) {
  if (reason) *reason = SystemMessage(error);
  return false;
}

// "\\?\C:\..." or "\\?\UNC\server\share\...": the system takes such a path
// as it is, of any length, so it must be absolute, normalised and written
// with backslashes.
std::wstring ExtendedPath(const fs::path& path) {
  // Device and already extended paths ("\\.\pipe\x") are the system's own.
  const std::wstring given = fs::path(path).make_preferred().wstring();
  if (given.rfind(L"\\\\?\\", 0) == 0 || given.rfind(L"\\\\.\\", 0) == 0) return given;
  std::error_code ec;
  fs::path full = fs::absolute(path, ec);
  if (ec) full = path;
  const std::wstring text = full.lexically_normal().make_preferred().wstring();
  if (text.rfind(L"\\\\", 0) == 0) return L"\\\\?\\UNC\\" + text.substr(2);
  return L"\\\\?\\" + text;
}

class Handle {
 public:
  explicit Handle(HANDLE handle) : m_handle(handle) {}
  ~Handle() {
    if (Valid()) ::CloseHandle(m_handle);
  }
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;
  bool Valid() const { return m_handle != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return m_handle; }
  // CloseHandle reports late write errors of network folders, so a save
  // checks it.
  bool Close() {
    const bool closed = ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    return closed;
  }

 private:
  HANDLE m_handle;
};

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    if (written == 0) {
      ::SetLastError(ERROR_WRITE_FAULT);
      return false;
    }
    bytes.remove_prefix(written);
  }
  return true;
}

// A name no profile listing shows (no ".ini").
std::wstring TemporaryName() {
  static std::mt19937_64 random{std::random_device{}()};
  wchar_t name[40];
  std::swprintf(name, 40, L".profile-%016llx.tmp", static_cast<unsigned long long>(random()));
  return name;
}

bool IsMissing(DWORD error) {
  return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace

FileRead ReadBoundedFile(const fs::path& path, std::size_t maxBytes, std::string& bytes,
                         std::string* reason) {
  bytes.clear();
  // Backup semantics let a folder open too, so that it is told apart from a
  // file that may not be read.
  Handle file(::CreateFileW(ExtendedPath(path).c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
  if (!file.Valid()) {
    const DWORD error = ::GetLastError();
    Fail(reason, error);
    return IsMissing(error) ? FileRead::Missing : FileRead::Failed;
  }
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileType(file.Get()) != FILE_TYPE_DISK ||
      !::GetFileInformationByHandle(file.Get(), &info)) {
    if (reason) *reason = "Not a regular file";
    return FileRead::Failed;
  }
  if (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
    Fail(reason, kDirectoryNotSupported);
    return FileRead::Failed;
  }
  const unsigned long long size =
      (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  if (size > maxBytes) return FileRead::TooLarge;
  bytes.reserve(static_cast<std::size_t>(size));
  std::array<char, 64 * 1024> chunk;
  for (;;) {  // the file may grow while it is read: the limit holds anyway
    DWORD got = 0;
    if (!::ReadFile(file.Get(), chunk.data(), static_cast<DWORD>(chunk.size()), &got, nullptr)) {
      Fail(reason, ::GetLastError());
      bytes.clear();
      return FileRead::Failed;
    }
    if (got == 0) return FileRead::Ok;
    if (bytes.size() + got > maxBytes) {
      bytes.clear();
      return FileRead::TooLarge;
    }
    bytes.append(chunk.data(), got);
  }
}

bool ReplaceFileAtomically(const fs::path& path, std::string_view bytes, std::string* reason) {
  fs::path target = path;
  std::error_code ec;
  if (fs::is_symlink(path, ec)) {
    // The link stays and its target gets the content, as a write in place
    // would do.
    target = fs::weakly_canonical(path, ec);
    if (ec) return Fail(reason, static_cast<DWORD>(ec.value()));
  }
  const std::wstring targetPath = ExtendedPath(target);
  const DWORD attributes = ::GetFileAttributesW(targetPath.c_str());
  const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
  if (exists && (attributes & FILE_ATTRIBUTE_DIRECTORY))
    return Fail(reason, kDirectoryNotSupported);
  // A read-only profile stays as it is, as a write in place would leave it.
  if (exists && (attributes & FILE_ATTRIBUTE_READONLY)) return Fail(reason, ERROR_ACCESS_DENIED);
  // A program that holds the profile open without letting it be replaced
  // is found before anything is made: a failed replacement may leave files
  // of its own behind (wine's does).
  if (exists) {
    Handle probe(::CreateFileW(targetPath.c_str(), DELETE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                               OPEN_EXISTING, 0, nullptr));
    if (!probe.Valid()) return Fail(reason, ::GetLastError());
  }

  const std::size_t nameStart = targetPath.find_last_of(L'\\') + 1;
  // No volume takes a longer name; refused before anything is made.
  if (targetPath.size() - nameStart > kMaxNameLength) return Fail(reason, ERROR_FILENAME_EXCED_RANGE);
  const std::wstring folder = targetPath.substr(0, nameStart);
  std::wstring temporary;
  HANDLE created = INVALID_HANDLE_VALUE;
  DWORD error = ERROR_FILE_EXISTS;
  for (int attempt = 0; created == INVALID_HANDLE_VALUE && error == ERROR_FILE_EXISTS &&
                        attempt < 100;
       ++attempt) {
    temporary = folder + TemporaryName();
    created = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created == INVALID_HANDLE_VALUE) error = ::GetLastError();
  }
  if (created == INVALID_HANDLE_VALUE) return Fail(reason, error);
  Handle file(created);

  error = ERROR_SUCCESS;
  if (!WriteAll(file.Get(), bytes) || !::FlushFileBuffers(file.Get())) error = ::GetLastError();
  if (!file.Close() && error == ERROR_SUCCESS) error = ::GetLastError();
  // Given here as well, since not every ReplaceFileW carries them over (wine's
  // does not) and the rename alone never does.
  if (error == ERROR_SUCCESS && exists && (attributes & kKeptAttributes) &&
      !::SetFileAttributesW(temporary.c_str(), attributes & kKeptAttributes))
    error = ::GetLastError();
  if (error == ERROR_SUCCESS) {
    // ReplaceFileW gives the new file the old one's attributes, security and
    // creation time; where the volume cannot (or the old file went away
    // meanwhile) the rename alone still replaces it in one step.
    const bool replaced =
        exists && ::ReplaceFileW(targetPath.c_str(), temporary.c_str(), nullptr,
                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
    if (!replaced && !::MoveFileExW(temporary.c_str(), targetPath.c_str(),
                                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      error = ::GetLastError();
  }
  if (error != ERROR_SUCCESS) {
    ::DeleteFileW(temporary.c_str());
    return Fail(reason, error);
  }
  return true;
}

}  // namespace vantor
