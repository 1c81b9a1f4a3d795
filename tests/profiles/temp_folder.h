// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <stdlib.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace vantor::testing_support {

class TempFolder {
 public:
  TempFolder() {
#ifdef _WIN32
    // No mkdtemp: a random name, made only when nothing has it yet.
    std::mt19937_64 random{std::random_device{}()};
    for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
      auto path = std::filesystem::temp_directory_path() / ("vantor-" + std::to_string(random()));
      std::error_code ec;
      if (std::filesystem::create_directory(path, ec)) m_path = path;
    }
#else
    std::string pattern = (std::filesystem::temp_directory_path() / "vantor-XXXXXX").string();
    if (::mkdtemp(pattern.data())) m_path = pattern;
#endif
  }
  ~TempFolder() {
    std::error_code ec;
    // Tests make parts read-only; give them back so they can go.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      if (it->is_directory(ec) && !it->is_symlink(ec))
        std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
#ifdef _WIN32
    if (!m_path.empty()) RemoveTree(L"\\\\?\\" + m_path.wstring());
#else
    std::filesystem::remove_all(m_path, ec);
#endif
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::filesystem::path& Path() const { return m_path; }
  std::filesystem::path operator/(std::string_view name) const { return m_path / name; }

 private:
#ifdef _WIN32
  // std::filesystem stops at 260 characters there; tests go deeper. The
  // extended form ("\\?\C:\...") of the Win32 calls does not.
  static void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    const HANDLE search = ::FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        const std::wstring name = entry.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring path = folder + L"\\" + name;
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
          RemoveTree(path);
        else
          ::DeleteFileW(path.c_str());
      } while (::FindNextFileW(search, &entry));
      ::FindClose(search);
    }
    ::RemoveDirectoryW(folder.c_str());
  }
#endif

  std::filesystem::path m_path;
};

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace vantor::testing_support
