// The two file operations profiles need, with the guarantees the platform
// must give them. One implementation per platform (linux/file_store.cpp).
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vantor {

enum class FileRead {
  Ok,
  Missing,   // nothing exists at the path
  TooLarge,  // a regular file of more than the limit; nothing was kept
  Failed,    // anything else, with the reason
};

// The whole content of the regular file at path, when it holds at most
// maxBytes. Never blocks on what is not a regular file (a FIFO without a
// writer, a device) and never reads more than maxBytes + 1 bytes. The
// reason, when asked, is in the system's words ("Is a directory").
FileRead ReadBoundedFile(const std::filesystem::path& path, std::size_t maxBytes,
                         std::string& bytes, std::string* reason);

// Makes the file at path hold exactly bytes, in one step: the bytes go to a
// new file in the same folder, reach the disk, and only then take the old
// file's place. A crash or a full disk leaves the old file as it was (and at
// worst an unlisted temporary file beside it), never a truncated one. The
// file keeps its permissions (and its owner, where the caller may set it);
// a file that may not be written, or a symbolic link's target that may not,
// is left alone and reported, as writing in place would. False, with the
// reason, when the new content could not be put in place.
bool ReplaceFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                           std::string* reason);

}  // namespace vantor
