// The Win32 file store: the replacement is one step even for a reader that
// holds the old file open, a refused one leaves everything as it was, and
// wide and long paths work.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>

#include "device/windows/system_message.h"
#include "profiles/file_store.h"
#include "tests/profiles/temp_folder.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

std::vector<std::wstring> NamesIn(const fs::path& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry;
  const HANDLE search = ::FindFirstFileW((L"\\\\?\\" + folder.wstring() + L"\\*").c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(name);
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadThrough(HANDLE file) {
  ::SetFilePointer(file, 0, nullptr, FILE_BEGIN);
  char buffer[256];
  DWORD got = 0;
  ::ReadFile(file, buffer, sizeof buffer, &got, nullptr);
  return std::string(buffer, got);
}

TEST(Win32FileStoreTest, AReaderOfTheOldFileKeepsItWhileTheNewOneTakesItsPlace) {
  TempFolder folder;
  WriteFile(folder / "p.ini", "old");
  const HANDLE reader = ::CreateFileW((folder / "p.ini").wstring().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  std::string reason;
  EXPECT_TRUE(ReplaceFileAtomically(folder / "p.ini", "new content", &reason)) << reason;
  EXPECT_EQ(ReadThrough(reader), "old");
  ::CloseHandle(reader);
  EXPECT_EQ(ReadFile(folder / "p.ini"), "new content");
  EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::wstring>{L"p.ini"});
}

TEST(Win32FileStoreTest, AReaderThatForbidsReplacingBlocksTheSaveAndNothingChanges) {
  TempFolder folder;
  WriteFile(folder / "p.ini", "old");
  const HANDLE reader = ::CreateFileW((folder / "p.ini").wstring().c_str(), GENERIC_READ,
                                      FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  std::string reason;
  EXPECT_FALSE(ReplaceFileAtomically(folder / "p.ini", "new content", &reason));
  EXPECT_FALSE(reason.empty());
  ::CloseHandle(reader);
  EXPECT_EQ(ReadFile(folder / "p.ini"), "old");
  EXPECT_EQ(NamesIn(folder.Path()), std::vector<std::wstring>{L"p.ini"});
}

TEST(Win32FileStoreTest, MakesAMissingFile) {
  TempFolder folder;
  ASSERT_TRUE(ReplaceFileAtomically(folder / "new.ini", "[GunProfile]\r\n", nullptr));
  EXPECT_EQ(ReadFile(folder / "new.ini"), "[GunProfile]\r\n");
}

TEST(Win32FileStoreTest, WideNamesAndPathsBeyond260CharactersWork) {
  TempFolder folder;
  fs::path deep = folder.Path();
  for (int i = 0; i < 4; ++i) deep /= std::wstring(60, static_cast<wchar_t>(L'\u00c4' + i));
  std::wstring extended = L"\\\\?\\" + folder.Path().wstring();
  for (int i = 0; i < 4; ++i) {
    extended += L"\\" + std::wstring(60, static_cast<wchar_t>(L'\u00c4' + i));
    ASSERT_TRUE(::CreateDirectoryW(extended.c_str(), nullptr)) << ::GetLastError();
  }
  const fs::path file = deep / L"\u20ac Arcade.ini";
  ASSERT_GT(file.wstring().size(), 260u);
  std::string reason;
  ASSERT_TRUE(ReplaceFileAtomically(file, "first", &reason)) << reason;
  ASSERT_TRUE(ReplaceFileAtomically(file, "second", &reason)) << reason;
  std::string bytes;
  EXPECT_EQ(ReadBoundedFile(file, 100, bytes, &reason), FileRead::Ok) << reason;
  EXPECT_EQ(bytes, "second");
  // The name is the wide one, not its UTF-8 bytes taken as another code page.
  EXPECT_EQ(NamesIn(deep), std::vector<std::wstring>{L"\u20ac Arcade.ini"});
}

TEST(Win32FileStoreTest, ReadingKeepsToItsBoundAndTellsWhatIsNoFile) {
  TempFolder folder;
  WriteFile(folder / "p.ini", std::string(100, 'x'));
  std::string bytes;
  std::string reason;
  EXPECT_EQ(ReadBoundedFile(folder / "p.ini", 100, bytes, &reason), FileRead::Ok);
  EXPECT_EQ(bytes.size(), 100u);
  EXPECT_EQ(ReadBoundedFile(folder / "p.ini", 99, bytes, &reason), FileRead::TooLarge);
  EXPECT_TRUE(bytes.empty());
  EXPECT_EQ(ReadBoundedFile(folder / "absent.ini", 99, bytes, &reason), FileRead::Missing);
  EXPECT_EQ(reason, SystemMessage(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(ReadBoundedFile(folder / "gone" / "p.ini", 99, bytes, &reason), FileRead::Missing);
  EXPECT_EQ(ReadBoundedFile(folder.Path(), 99, bytes, &reason), FileRead::Failed);
  EXPECT_EQ(ReadBoundedFile("\\\\.\\NUL", 99, bytes, &reason), FileRead::Failed);
  EXPECT_EQ(reason, "Not a regular file");
}

}  // namespace
}  // namespace vantor
