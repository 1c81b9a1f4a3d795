#include <gmock/gmock.h>
#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <random>

#include "device/settings_fields.h"
#include "profiles/profile_file.h"
#include "tests/profiles/temp_folder.h"
#include "tests/skip_outside_ci.h"
#ifdef _WIN32
#include "device/windows/system_message.h"
#endif

namespace vantor {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;
using testing::HasSubstr;
using testing::IsEmpty;

const fs::path kData = VANTOR_TEST_DATA;

// Why a file call failed, in the system's own words.
#ifdef _WIN32
const std::string kNoSuchFile = SystemMessage(ERROR_FILE_NOT_FOUND);
const std::string kNoSuchFolder = SystemMessage(ERROR_PATH_NOT_FOUND);
const std::string kNotAFolder = kNoSuchFolder;  // a file where the folder should be
const std::string kIsAFolder = SystemMessage(336);  // ERROR_DIRECTORY_NOT_SUPPORTED
const std::string kNameTooLong = SystemMessage(ERROR_FILENAME_EXCED_RANGE);
#else
const std::string kNoSuchFile = "No such file or directory";
const std::string kNoSuchFolder = kNoSuchFile;
const std::string kNotAFolder = "Not a directory";
const std::string kIsAFolder = "Is a directory";
const std::string kNameTooLong = "File name too long";
#endif

// The defaults as the profile table gives them, spelled out rather than
// taken from the code under test.
constexpr GunSettings kDefaults{.ButtonMap1 = 1, .ButtonMap2 = 4, .ButtonMap3 = 2,
                                .ButtonMap4 = 6, .ButtonMap5 = 5, .ButtonMap6 = 3,
                                .ButtonMap7 = 8, .ButtonMap8 = 8, .ButtonMap9 = 8,
                                .ButtonMap10 = 8, .FreeMouseCursor = 1, .UpEdge = 31,
                                .DownEdge = 255, .LeftEdge = 137, .RightEdge = 711};

// A new profile of the defaults, byte for byte.
constexpr std::string_view kDefaultProfileText =
    "[GunProfile]\r\n"
    "ButtonMap1=1\r\nButtonMap2=4\r\nButtonMap3=2\r\nButtonMap4=6\r\nButtonMap5=5\r\n"
    "ButtonMap6=3\r\nButtonMap7=8\r\nButtonMap8=8\r\nButtonMap9=8\r\nButtonMap10=8\r\n"
    "AutoFire1=0\r\nAutoFire2=0\r\nAutoFire3=0\r\nAutoFire4=0\r\nAutoFire5=0\r\n"
    "AutoFire6=0\r\nAutoFire7=0\r\nAutoFire8=0\r\nAutoFire9=0\r\nAutoFire10=0\r\n"
    "SetOffScreenAs=0\r\n"
    "ButtonRemap1=0\r\nButtonRemap2=0\r\nButtonRemap3=0\r\nButtonRemap4=0\r\n"
    "ButtonRemap5=0\r\nButtonRemap6=0\r\n"
    "FreeMouseCursor=1\r\nSensitivity=0\r\n"
    "UpEdge=31\r\nDownEdge=255\r\nLeftEdge=137\r\nRightEdge=711\r\n"
    "UseCentering=0\r\nXCenter=0\r\nYCenter=0\r\n";

// What tests/profiles/data/windows_written.ini holds.
constexpr GunSettings kWindowsWritten{
    .ButtonMap1 = 2, .ButtonMap2 = 3, .ButtonMap3 = 1, .ButtonMap4 = 7, .ButtonMap5 = 6,
    .ButtonMap6 = 9, .ButtonMap7 = 10, .ButtonMap8 = 8, .ButtonMap9 = 4, .ButtonMap10 = 5,
    .AutoFire1 = 0, .AutoFire2 = 5, .AutoFire3 = 10, .AutoFire4 = 25, .AutoFire5 = 1,
    .AutoFire6 = 2, .AutoFire7 = 3, .AutoFire8 = 4, .AutoFire9 = 0, .AutoFire10 = 0,
    .SetOffScreenAs = 3, .ButtonRemap1 = 4, .ButtonRemap2 = 17, .ButtonRemap3 = 30,
    .ButtonRemap4 = 44, .ButtonRemap5 = 0, .ButtonRemap6 = 68, .FreeMouseCursor = 0,
    .Sensitivity = 7, .UpEdge = 120, .DownEdge = 9800, .LeftEdge = 65535,
    .RightEdge = 10000, .UseCentering = 1, .XCenter = 5000, .YCenter = 4999};

// Every field set, as far as its width allows, to value(i) for field i.
template <typename Value>
GunSettings EveryField(Value value) {
  GunSettings s;
  for (std::size_t i = 0; i < kSettingsFields.size(); ++i) kSettingsFields[i].Set(s, value(i));
  return s;
}

GunSettings Garbage() {
  return EveryField([](std::size_t) { return 0xA5A5u; });
}

std::vector<fs::path> FilesIn(const fs::path& folder) {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(folder)) files.push_back(entry.path().filename());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(LoadProfileTest, MissingFileGivesExactlyTheDefaults) {
  TempFolder folder;
  GunSettings settings = Garbage();
  std::string reason;
  EXPECT_FALSE(LoadProfile(folder / "absent.ini", settings, &reason));
  EXPECT_EQ(reason, kNoSuchFile);
  EXPECT_EQ(settings, kDefaults);
}

class LoadWithoutValues : public testing::TestWithParam<std::string_view> {};

TEST_P(LoadWithoutValues, GivesExactlyTheDefaults) {
  TempFolder folder;
  WriteFile(folder / "p.ini", GetParam());
  GunSettings settings = Garbage();
  EXPECT_TRUE(LoadProfile(folder / "p.ini", settings));
  EXPECT_EQ(settings, kDefaults);
}

INSTANTIATE_TEST_SUITE_P(ProfileFile, LoadWithoutValues,
                         testing::Values("", "[Other]\r\nUpEdge=40\r\n", "[GunProfile]\r\n",
                                         "[GunProfile]\r\nUpEdge=\r\nDownEdge\r\n"));

TEST(LoadProfileTest, OnlyUpEdgeGivesItAndTheDefaultsForEveryOtherField) {
  TempFolder folder;
  WriteFile(folder / "p.ini", "[GunProfile]\r\nUpEdge=40\r\n");
  GunSettings settings = EveryField([](std::size_t) { return 0xFFFFu; });
  ASSERT_TRUE(LoadProfile(folder / "p.ini", settings));
  GunSettings expected = kDefaults;
  expected.UpEdge = 40;
  EXPECT_EQ(settings, expected);
}

TEST(LoadProfileTest, CutsValuesToTheFieldWidthAndChecksNoRange) {
  TempFolder folder;
  WriteFile(folder / "p.ini",
            "[GunProfile]\nButtonMap1=257\nUpEdge=65537\nButtonMap2=42\nAutoFire1=-1\n"
            "DownEdge=-1\nLeftEdge=300abc\nSensitivity=\"9\"\n");
  GunSettings settings;
  ASSERT_TRUE(LoadProfile(folder / "p.ini", settings));
  EXPECT_EQ(settings.ButtonMap1, 1);
  EXPECT_EQ(settings.UpEdge, 1);
  EXPECT_EQ(settings.ButtonMap2, 42);
  EXPECT_EQ(settings.AutoFire1, 255);
  EXPECT_EQ(settings.DownEdge, 65535);
  EXPECT_EQ(settings.LeftEdge, 300);
  EXPECT_EQ(settings.Sensitivity, 9);
}

TEST(SaveProfileTest, NewFileIsTheSectionAndThe36KeysInOrderWithCrlf) {
  TempFolder folder;
  std::string reason;
  ASSERT_TRUE(SaveProfile(folder / "p.ini", kDefaults, &reason)) << reason;
  EXPECT_EQ(ReadFile(folder / "p.ini"), kDefaultProfileText);
}

struct Extreme {
  const char* name;
  GunSettings settings;
  friend void PrintTo(const Extreme& e, std::ostream* os) { *os << e.name; }
};

class RoundTrip : public testing::TestWithParam<Extreme> {};

TEST_P(RoundTrip, GivesBackEveryField) {
  TempFolder folder;
  ASSERT_TRUE(SaveProfile(folder / "p.ini", GetParam().settings));
  GunSettings loaded = Garbage();
  ASSERT_TRUE(LoadProfile(folder / "p.ini", loaded));
  EXPECT_EQ(loaded, GetParam().settings);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, RoundTrip,
    testing::Values(Extreme{"all_zero", EveryField([](std::size_t) { return 0u; })},
                    Extreme{"all_at_their_width", EveryField([](std::size_t) { return 0xFFFFu; })},
                    Extreme{"top_bit_only", EveryField([](std::size_t i) {
                              return kSettingsFields[i].Bits() == 8 ? 0x80u : 0x8000u;
                            })},
                    Extreme{"each_its_own", EveryField([](std::size_t i) {
                              return static_cast<unsigned>(i * 7 + 1) *
                                     (kSettingsFields[i].Bits() == 8 ? 1u : 1001u);
                            })},
                    Extreme{"windows_written", kWindowsWritten}));

TEST(SaveProfileTest, WritesUnsignedDecimalsWithoutSignOrPadding) {
  TempFolder folder;
  ASSERT_TRUE(SaveProfile(folder / "p.ini", EveryField([](std::size_t) { return 0xFFFFu; })));
  const std::string text = ReadFile(folder / "p.ini");
  EXPECT_THAT(text, HasSubstr("\r\nButtonMap1=255\r\n"));
  EXPECT_THAT(text, HasSubstr("\r\nUpEdge=65535\r\n"));
  EXPECT_THAT(text, testing::Not(HasSubstr("-")));
}

TEST(WindowsProfileTest, LoadsExactly) {
  GunSettings settings;
  ASSERT_TRUE(LoadProfile(kData / "windows_written.ini", settings));
  EXPECT_EQ(settings, kWindowsWritten);
}

TEST(WindowsProfileTest, SavingTheSameSettingsChangesNoByte) {
  TempFolder folder;
  const std::string original = ReadFile(kData / "windows_written.ini");
  WriteFile(folder / "p.ini", original);
  ASSERT_TRUE(SaveProfile(folder / "p.ini", kWindowsWritten));
  EXPECT_EQ(ReadFile(folder / "p.ini"), original);
}

TEST(WindowsProfileTest, KeepsForeignSectionsThroughASave) {
  TempFolder folder;
  constexpr std::string_view before = "; set up by the arcade\r\n[Notes]\r\nOwner=Hall 3\r\n\r\n";
  constexpr std::string_view after = "[Display]\r\nScale=2\r\nUpEdge=77\r\n";
  WriteFile(folder / "p.ini",
            std::string(before) + ReadFile(kData / "windows_written.ini") + std::string(after));
  ASSERT_TRUE(SaveProfile(folder / "p.ini", kDefaults));
  // Values change in place; the section keeps its order and its neighbours.
  EXPECT_EQ(ReadFile(folder / "p.ini"),
            std::string(before) + std::string(kDefaultProfileText) + std::string(after));
}

TEST(SaveProfileTest, FileWithLfKeepsLfAndGetsTheMissingKeys) {
  TempFolder folder;
  WriteFile(folder / "p.ini", "[Other]\nA=1\n[GunProfile]\nupedge = 40\n");
  ASSERT_TRUE(SaveProfile(folder / "p.ini", kWindowsWritten));
  const std::string text = ReadFile(folder / "p.ini");
  EXPECT_THAT(text, testing::Not(HasSubstr("\r")));
  EXPECT_THAT(text, testing::StartsWith("[Other]\nA=1\n[GunProfile]\nupedge = 120\nButtonMap1=2\n"));
  EXPECT_THAT(text, testing::EndsWith("\nYCenter=4999\n"));
  GunSettings loaded;
  ASSERT_TRUE(LoadProfile(folder / "p.ini", loaded));
  EXPECT_EQ(loaded, kWindowsWritten);
}

TEST(SaveProfileTest, PathsLongerThan260CharactersWork) {
  TempFolder folder;
  fs::path deep = folder.Path();
  for (int i = 0; i < 6; ++i) deep /= std::string(50, static_cast<char>('a' + i));
  fs::create_directories(deep);
  const fs::path path = deep / (std::string(200, 'p') + ".ini");
  ASSERT_GT(path.string().size(), 500u);
  std::string reason;
  ASSERT_TRUE(SaveProfile(path, kWindowsWritten, &reason)) << reason;
  GunSettings loaded;
  ASSERT_TRUE(LoadProfile(path, loaded));
  EXPECT_EQ(loaded, kWindowsWritten);
}

#ifdef _WIN32
// Windows keeps no permission bits; what a file has of its own are its
// attributes.
TEST(SaveProfileTest, KeepsTheAttributesOfAnExistingFile) {
  TempFolder folder;
  WriteFile(folder / "p.ini", "[GunProfile]\r\n");
  const std::wstring path = (folder / "p.ini").wstring();
  ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
  ASSERT_TRUE(SaveProfile(folder / "p.ini", kDefaults));
  EXPECT_EQ(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, DWORD{FILE_ATTRIBUTE_HIDDEN});
  EXPECT_EQ(ReadFile(folder / "p.ini"), kDefaultProfileText);
}

TEST(SaveProfileTest, ReadOnlyFileIsRefusedAndKept) {
  TempFolder folder;
  WriteFile(folder / "p.ini", kDefaultProfileText);
  const std::wstring path = (folder / "p.ini").wstring();
  ASSERT_TRUE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY));
  std::string reason;
  EXPECT_FALSE(SaveProfile(folder / "p.ini", kWindowsWritten, &reason));
  EXPECT_EQ(reason, SystemMessage(ERROR_ACCESS_DENIED));
  ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(ReadFile(folder / "p.ini"), kDefaultProfileText);
  EXPECT_EQ(FilesIn(folder.Path()), std::vector<fs::path>{"p.ini"});
}
#else
TEST(SaveProfileTest, KeepsThePermissionsOfAnExistingFile) {
  TempFolder folder;
  WriteFile(folder / "p.ini", "[GunProfile]\r\n");
  fs::permissions(folder / "p.ini", fs::perms::owner_read | fs::perms::owner_write |
                                        fs::perms::group_read);
  ASSERT_TRUE(SaveProfile(folder / "p.ini", kDefaults));
  EXPECT_EQ(fs::status(folder / "p.ini").permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}
#endif

#ifndef _WIN32  // links: mingw's std::filesystem makes none, wine 8 keeps none
TEST(SaveProfileTest, WritesThroughALinkAndKeepsIt) {
  TempFolder folder;
  fs::create_directory(folder / "real");
  WriteFile(folder / "real" / "p.ini", "[Notes]\r\nA=1\r\n");
  fs::create_symlink(folder / "real" / "p.ini", folder / "link.ini");
  ASSERT_TRUE(SaveProfile(folder / "link.ini", kDefaults));
  EXPECT_TRUE(fs::is_symlink(folder / "link.ini"));
  EXPECT_EQ(ReadFile(folder / "real" / "p.ini"),
            "[Notes]\r\nA=1\r\n" + std::string(kDefaultProfileText));
  EXPECT_EQ(FilesIn(folder / "real"), std::vector<fs::path>{"p.ini"});
}
#endif

// Ways a save cannot happen; each leaves what was there as it was and no
// temporary file behind.
struct WriteFailure {
  const char* name;
  // Prepares the folder; returns the path to save to.
  fs::path (*prepare)(const fs::path& folder);
  std::string reason;
  friend void PrintTo(const WriteFailure& f, std::ostream* os) { *os << f.name; }
};

class SaveFailure : public testing::TestWithParam<WriteFailure> {};

TEST_P(SaveFailure, ReturnsFalseAndTouchesNothing) {
  TempFolder folder;
  WriteFile(folder / "old.ini", kDefaultProfileText);
  const fs::path path = GetParam().prepare(folder.Path());
  std::vector<fs::path> filesBefore = FilesIn(folder.Path());
  std::string reason;
  EXPECT_FALSE(SaveProfile(path, kWindowsWritten, &reason));
  EXPECT_EQ(reason, GetParam().reason);
  EXPECT_EQ(FilesIn(folder.Path()), filesBefore);
  EXPECT_EQ(ReadFile(folder / "old.ini"), kDefaultProfileText);
}

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, SaveFailure,
    testing::Values(
        WriteFailure{"folder_replaced_by_a_file",
                     [](const fs::path& f) {
                       WriteFile(f / "Profiles", "");
                       return f / "Profiles" / "old.ini";
                     },
                     kNotAFolder},
        WriteFailure{"folder_missing",
                     [](const fs::path& f) { return f / "gone" / "p.ini"; },
                     kNoSuchFolder},
        WriteFailure{"target_is_a_folder",
                     [](const fs::path& f) {
                       fs::create_directory(f / "dir.ini");
                       return f / "dir.ini";
                     },
                     kIsAFolder},
        WriteFailure{"name_too_long_for_the_system",
                     [](const fs::path& f) { return f / (std::string(300, 'n') + ".ini"); },
                     kNameTooLong},
        WriteFailure{"existing_file_too_large_to_be_a_profile",
                     [](const fs::path& f) {
                       WriteFile(f / "big.ini", std::string(kMaxProfileFileSize + 1, ';'));
                       return f / "big.ini";
                     },
                     "File too large for a profile (over 1 MB)"}));

TEST(SaveProfileTest, TooLargeFileIsLeftAsItWas) {
  TempFolder folder;
  const std::string big = "[GunProfile]\n" + std::string(2 * kMaxProfileFileSize, ';');
  WriteFile(folder / "big.ini", big);
  EXPECT_FALSE(SaveProfile(folder / "big.ini", kDefaults));
  EXPECT_EQ(ReadFile(folder / "big.ini"), big);
}

#ifndef _WIN32
// Permission bits bind only an unprivileged user: when the tests run as
// root, the save runs in a child that has become "nobody".
constexpr int kSaved = 0, kRefused = 1, kCannotDropRoot = 77;

int SaveAsUnprivilegedUser(const fs::path& path) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
      ::_exit(kCannotDropRoot);
    ::_exit(SaveProfile(path, kWindowsWritten) ? kSaved : kRefused);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

struct ReadOnlyCase {
  const char* name;
  fs::perms folder;
  fs::perms file;
  friend void PrintTo(const ReadOnlyCase& c, std::ostream* os) { *os << c.name; }
};

class ReadOnly : public testing::TestWithParam<ReadOnlyCase> {};

TEST_P(ReadOnly, SaveReturnsFalseAndKeepsTheOldFile) {
  TempFolder folder;
  fs::permissions(folder.Path(), fs::perms::all);  // others may reach it
  WriteFile(folder / "p.ini", kDefaultProfileText);
  fs::permissions(folder / "p.ini", GetParam().file);
  fs::permissions(folder.Path(), GetParam().folder);
  const int result = SaveAsUnprivilegedUser(folder / "p.ini");
  if (result == kCannotDropRoot) SKIP_OUTSIDE_CI() << "root cannot become an unprivileged user here";
  EXPECT_EQ(result, kRefused);
  EXPECT_EQ(ReadFile(folder / "p.ini"), kDefaultProfileText);
  EXPECT_EQ(FilesIn(folder.Path()), std::vector<fs::path>{"p.ini"});
}

constexpr fs::perms kReadable =
    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
constexpr fs::perms kEnterable =
    fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, ReadOnly,
    testing::Values(ReadOnlyCase{"read_only_folder", kReadable | kEnterable, fs::perms::all},
                    ReadOnlyCase{"read_only_file", fs::perms::all, kReadable}));

// Holds the process's file size limit low, so a write fails as on a full
// disk, for root too.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &m_old);
    m_oldHandler = ::signal(SIGXFSZ, SIG_IGN);  // EFBIG instead of a signal
    rlimit limit = m_old;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    ::signal(SIGXFSZ, m_oldHandler);
  }

 private:
  rlimit m_old{};
  sighandler_t m_oldHandler;
};

TEST(SaveProfileTest, FullDiskLeavesTheOldFileWholeAndNoTemporaryFile) {
  TempFolder folder;
  WriteFile(folder / "p.ini", kDefaultProfileText);
  std::string reason;
  bool saved = true;
  {
    FileSizeLimit limit(100);  // well below a profile's size
    saved = SaveProfile(folder / "p.ini", kWindowsWritten, &reason);
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(reason, "File too large");
  EXPECT_EQ(ReadFile(folder / "p.ini"), kDefaultProfileText);
  EXPECT_EQ(FilesIn(folder.Path()), std::vector<fs::path>{"p.ini"});
}
#endif

// Files no profile should be; each loads in bounded time and memory, with
// the defaults wherever it holds no usable value.
struct HostileFile {
  const char* name;
  fs::path (*make)(const fs::path& folder);
  bool readable;
  std::uint16_t upEdge;  // what it gives UpEdge
  friend void PrintTo(const HostileFile& h, std::ostream* os) { *os << h.name; }
};

class Hostile : public testing::TestWithParam<HostileFile> {};

TEST_P(Hostile, LoadsWithoutHarm) {
  TempFolder folder;
  const fs::path path = GetParam().make(folder.Path());
  GunSettings settings = Garbage();
  std::string reason;
  EXPECT_EQ(LoadProfile(path, settings, &reason), GetParam().readable) << reason;
  GunSettings expected = kDefaults;
  expected.UpEdge = GetParam().upEdge;
  EXPECT_EQ(settings, expected);
}

fs::path Written(const fs::path& path, std::string_view bytes) {
  WriteFile(path, bytes);
  return path;
}

// A file that has no end without a writer, and a device, on each platform.
#ifdef _WIN32
const HostileFile kNoWriterRow{"pipe_without_writer",
                               [](const fs::path&) {
                                 // Lives until the test program ends; no one ever writes.
                                 static const HANDLE server = ::CreateNamedPipeW(
                                     L"\\\\.\\pipe\\vantor-profile-test", PIPE_ACCESS_DUPLEX,
                                     PIPE_TYPE_BYTE | PIPE_WAIT, 1, 4096, 4096, 0, nullptr);
                                 EXPECT_NE(server, INVALID_HANDLE_VALUE);
                                 return fs::path(L"\\\\.\\pipe\\vantor-profile-test");
                               },
                               false, 31};
const HostileFile kDeviceRow{"device", [](const fs::path&) { return fs::path("\\\\.\\NUL"); },
                             false, 31};
#else
const HostileFile kNoWriterRow{"fifo_without_writer",
                               [](const fs::path& f) {
                                 ::mkfifo((f / "p.ini").c_str(), 0600);
                                 return f / "p.ini";
                               },
                               false, 31};
const HostileFile kDeviceRow{"device", [](const fs::path&) { return fs::path("/dev/zero"); },
                             false, 31};
#endif

INSTANTIATE_TEST_SUITE_P(
    ProfileFile, Hostile,
    testing::Values(
        HostileFile{"binary",
                    [](const fs::path& f) {
                      std::mt19937 random(7);
                      std::string bytes(64 * 1024, '\0');
                      for (char& c : bytes) c = static_cast<char>(random());
                      return Written(f / "p.ini", bytes);
                    },
                    true, 31},
        HostileFile{"nul_bytes",
                    [](const fs::path& f) {
                      using namespace std::string_view_literals;
                      return Written(f / "p.ini", "\0[Other]\n[GunProfile]\n\0\nUp\0Edge=9\nUpEdge=4\0""0\n"sv);
                    },
                    true, 4},
        HostileFile{"ten_thousand_sections",
                    [](const fs::path& f) {
                      std::string text;
                      for (int i = 0; i < 10000; ++i) text += "[S" + std::to_string(i) + "]\nUpEdge=1\n";
                      return Written(f / "p.ini", text + "[GunProfile]\nUpEdge=40\n");
                    },
                    true, 40},
        HostileFile{"one_megabyte_line",  // 10^n - 1 keeps its low 16 bits set
                    [](const fs::path& f) {
                      return Written(f / "p.ini", "[GunProfile]\nUpEdge=" + std::string(1000000, '9'));
                    },
                    true, 65535},
        HostileFile{"exactly_the_size_limit",
                    [](const fs::path& f) {
                      std::string text = "[GunProfile]\nUpEdge=40\n";
                      return Written(f / "p.ini", text + std::string(kMaxProfileFileSize - text.size(), ';'));
                    },
                    true, 40},
        HostileFile{"one_byte_over_the_size_limit",
                    [](const fs::path& f) {
                      std::string text = "[GunProfile]\nUpEdge=40\n";
                      return Written(f / "p.ini", text + std::string(kMaxProfileFileSize + 1 - text.size(), ';'));
                    },
                    false, 31},
        HostileFile{"fifty_megabytes",
                    [](const fs::path& f) {
                      const fs::path path = Written(f / "p.ini", "[GunProfile]\nUpEdge=40\n");
                      fs::resize_file(path, 50u * 1024 * 1024);
                      return path;
                    },
                    false, 31},
        kNoWriterRow,
        kDeviceRow,
        HostileFile{"folder",
                    [](const fs::path& f) {
                      fs::create_directory(f / "p.ini");
                      return f / "p.ini";
                    },
                    false, 31}));

}  // namespace
}  // namespace vantor
