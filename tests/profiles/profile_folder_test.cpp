#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <cstdio>
#include <random>

#include "profiles/profile_folder.h"
#include "profiles/program_folder.h"
#include "tests/profiles/temp_folder.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using testing_support::TempFolder;
using testing_support::WriteFile;
using testing::ElementsAre;
using testing::IsEmpty;

void SetEnvironment(const char* name, const char* value) {
#ifdef _WIN32
  ::_putenv_s(name, value ? value : "");  // an empty value removes it
#else
  if (value)
    ::setenv(name, value, 1);
  else
    ::unsetenv(name);
#endif
}

// What lies beside the program in a case of the folder rule.
enum class Beside { Nothing, ProfilesFolder, ProfilesFile };

struct FolderCase {
  const char* name;
  std::string override;
  Beside beside;
  std::string xdgDataHome;
  std::string home;
  std::optional<std::string> expected;  // "<program>/..." is below the program folder
  friend void PrintTo(const FolderCase& c, std::ostream* os) { *os << c.name; }
};

class FolderRule : public testing::TestWithParam<FolderCase> {};

// The table's absolute paths ("/xdg") are absolute on this platform too:
// Windows wants a drive for that.
std::string Absolute(const std::string& path) {
#ifdef _WIN32
  if (path.starts_with('/')) return "C:" + path;
#endif
  return path;
}

TEST_P(FolderRule, ChoosesTheFolder) {
  FolderCase c = GetParam();
  c.override = Absolute(c.override);
  c.xdgDataHome = Absolute(c.xdgDataHome);
  c.home = Absolute(c.home);
  if (c.expected) c.expected = Absolute(*c.expected);
  TempFolder program;
  if (c.beside == Beside::ProfilesFolder) fs::create_directory(program / "Profiles");
  if (c.beside == Beside::ProfilesFile) WriteFile(program / "Profiles", "");
  const auto chosen = ChooseProfilesFolder({c.override, program.Path(), c.xdgDataHome, c.home});
  if (!c.expected) {
    EXPECT_EQ(chosen, std::nullopt);
    return;
  }
  constexpr std::string_view kProgram = "<program>/";
  const std::string_view expected = *c.expected;
  EXPECT_EQ(chosen, expected.starts_with(kProgram)
                        ? program.Path() / expected.substr(kProgram.size())
                        : fs::path(expected));
}

INSTANTIATE_TEST_SUITE_P(
    ProfilesFolder, FolderRule,
    testing::Values(
        FolderCase{"override_wins", "/kiosk/profiles", Beside::ProfilesFolder, "/xdg", "/home/u",
                   "/kiosk/profiles"},
        FolderCase{"beside_the_program", "", Beside::ProfilesFolder, "/xdg", "/home/u",
                   "<program>/Profiles"},
        FolderCase{"plain_file_beside_the_program_is_not_it", "", Beside::ProfilesFile, "/xdg",
                   "/home/u", "/xdg/VantorPanel/Profiles"},
        FolderCase{"xdg_data_home", "", Beside::Nothing, "/xdg", "/home/u",
                   "/xdg/VantorPanel/Profiles"},
        FolderCase{"relative_xdg_data_home_is_ignored", "", Beside::Nothing, "xdg", "/home/u",
                   "/home/u/.local/share/VantorPanel/Profiles"},
        FolderCase{"home", "", Beside::Nothing, "", "/home/u",
                   "/home/u/.local/share/VantorPanel/Profiles"},
        FolderCase{"nowhere", "", Beside::Nothing, "", "", std::nullopt}));

TEST(ProfilesFolderTest, EnvironmentOverrideReachesTheLiveRule) {
  SetEnvironment("VANTOR_PROFILES_DIR", "/kiosk/profiles");
  EXPECT_EQ(GetProfilesFolder(), fs::path("/kiosk/profiles"));
  SetEnvironment("VANTOR_PROFILES_DIR", nullptr);
  EXPECT_NE(GetProfilesFolder(), fs::path("/kiosk/profiles"));
}

TEST(ProfilesFolderTest, ProgramFolderHoldsThisTest) {
  const auto folder = GetProgramFolder();
  ASSERT_TRUE(folder);
#ifdef _WIN32
  EXPECT_TRUE(fs::is_regular_file(*folder / "profiles_tests.exe"));
#else
  EXPECT_TRUE(fs::is_regular_file(*folder / "profiles_tests"));
#endif
}

// Where profiles live beside the program alone (Windows), that folder is
// chosen before it exists, and no desktop folder ever is.
TEST(ProfilesFolderTest, BesideProgramOnlyChoosesThatFolderExistingOrNot) {
  TempFolder program;
  const ProfilesFolderPlaces places{"", program.Path(), "/xdg", "/home/u", true};
  EXPECT_EQ(ChooseProfilesFolder(places), program / "Profiles");
  fs::create_directory(program / "Profiles");
  EXPECT_EQ(ChooseProfilesFolder(places), program / "Profiles");
  EXPECT_EQ(ChooseProfilesFolder({"/kiosk", program.Path(), "", "", true}), fs::path("/kiosk"));
  EXPECT_EQ(ChooseProfilesFolder({"", std::nullopt, "/xdg", "/home/u", true}), std::nullopt);
}

TEST(ProfilesFolderTest, LiveRuleOfThisPlatform) {
  SetEnvironment("VANTOR_PROFILES_DIR", nullptr);
  const auto program = GetProgramFolder();
  ASSERT_TRUE(program);
  if (ProfilesOnlyBesideProgram())
    EXPECT_EQ(GetProfilesFolder(), *program / "Profiles");
  else
    EXPECT_NE(GetProfilesFolder(), std::nullopt);
}

TEST(ProfilesFolderTest, PlainFileNamedProfilesIsNoFolder) {
  TempFolder program;
  WriteFile(program / "Profiles", "");
  EXPECT_FALSE(ProfilesFolderExists(program / "Profiles"));
  std::string reason;
  EXPECT_FALSE(CreateProfilesFolder(program / "Profiles", &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_TRUE(fs::is_regular_file(program / "Profiles"));
}

TEST(ProfilesFolderTest, CreateMakesMissingParentsAndAcceptsAnExistingFolder) {
  TempFolder home;
  const fs::path folder = home / ".local/share/VantorPanel/Profiles";
  EXPECT_FALSE(ProfilesFolderExists(folder));
  EXPECT_TRUE(CreateProfilesFolder(folder));
  EXPECT_TRUE(ProfilesFolderExists(folder));
  EXPECT_TRUE(CreateProfilesFolder(folder));
}

std::string NumberedName(std::size_t i) {
  char name[16];
  std::snprintf(name, sizeof name, "p%zu.ini", 1000 + i);
  return name;
}

TEST(ListProfilesTest, OfOneHundredAndFiftyListsTheFirstHundredByName) {
  TempFolder folder;
  std::vector<std::string> names;
  for (std::size_t i = 0; i < 150; ++i) names.push_back(NumberedName(i));
  std::shuffle(names.begin(), names.end(), std::mt19937(3));
  for (const std::string& name : names) WriteFile(folder / name, "");
  const std::vector<std::string> listed = ListProfiles(folder.Path());
  ASSERT_EQ(listed.size(), kMaxListedProfiles);
  for (std::size_t i = 0; i < listed.size(); ++i)
    EXPECT_EQ(listed[i], NumberedName(i));
}

TEST(ListProfilesTest, ListsRegularIniFilesInAnyCase) {
  TempFolder folder;
  for (const char* name : {"a.ini", "B.INI", "c.Ini", "d.txt", "e.ini.bak", ".ini", "f.in"})
    WriteFile(folder / name, "");
  fs::create_directory(folder / "folder.ini");
#ifndef _WIN32  // links: mingw's std::filesystem makes none, wine 8 keeps none
  fs::create_symlink("/etc/passwd", folder / "link.ini");
  fs::create_symlink(folder / "a.ini", folder / "inside.ini");
#endif
  WriteFile(folder / "new\nline.ini", "");
  WriteFile(folder / "back\\slash.ini", "");
  EXPECT_THAT(ListProfiles(folder.Path()), ElementsAre("a.ini", "B.INI", "c.Ini"));
}

TEST(ListProfilesTest, SortsAsAWindowsFolderListing) {
  TempFolder folder;
  for (const char* name : {"b.ini", "_x.ini", "A.ini", "Z.ini", "a.ini", "a1.ini", "A10.ini"})
    WriteFile(folder / name, "");
#ifdef _WIN32
  // Names that differ in case only are one file there: "a.ini" opened "A.ini".
  EXPECT_THAT(ListProfiles(folder.Path()),
              ElementsAre("A.ini", "a1.ini", "A10.ini", "b.ini", "Z.ini", "_x.ini"));
#else
  EXPECT_THAT(ListProfiles(folder.Path()),
              ElementsAre("A.ini", "a.ini", "a1.ini", "A10.ini", "b.ini", "Z.ini", "_x.ini"));
#endif
}

TEST(ListProfilesTest, MissingFolderListsNothing) {
  TempFolder folder;
  EXPECT_THAT(ListProfiles(folder / "Profiles"), IsEmpty());
  WriteFile(folder / "Profiles", "");
  EXPECT_THAT(ListProfiles(folder / "Profiles"), IsEmpty());
}

class UnsafeName : public testing::TestWithParam<std::string_view> {};

TEST_P(UnsafeName, IsNeverFollowed) {
  EXPECT_EQ(ListedProfilePath("/profiles", GetParam()), std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(ProfilesFolder, UnsafeName,
                         testing::Values("", ".", "..", "../x.ini", "..\\x.ini", "a/b.ini",
                                         "/etc/passwd", "a\\b.ini", "x\n.ini", "x\r.ini",
                                         "x\x7f.ini", std::string_view("x\0.ini", 6)));

TEST(ListedProfilePathTest, JoinsAPlainNameAndRefusesALink) {
  TempFolder folder;
  EXPECT_EQ(ListedProfilePath(folder.Path(), "..Arcade..ini"), folder / "..Arcade..ini");
#ifndef _WIN32  // links: mingw's std::filesystem makes none, wine 8 keeps none
  fs::create_symlink("/etc/passwd", folder / "link.ini");
  EXPECT_EQ(ListedProfilePath(folder.Path(), "link.ini"), std::nullopt);
#endif
}

TEST(ProfileDisplayNameTest, CutsAtTheLastDot) {
  EXPECT_EQ(ProfileDisplayName("Arcade.ini"), "Arcade");
  EXPECT_EQ(ProfileDisplayName("v1.2.INI"), "v1.2");
  EXPECT_EQ(ProfileDisplayName("plain"), "plain");
}

}  // namespace
}  // namespace vantor
