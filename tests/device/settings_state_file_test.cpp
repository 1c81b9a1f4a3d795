#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "device/settings_state_file.h"
#include "tests/profiles/temp_folder.h"

namespace vantor {
namespace {

namespace fs = std::filesystem;
using testing_support::ReadFile;
using testing_support::TempFolder;
using testing_support::WriteFile;

// A report whose line holds every hex letter and a field with a leading 0.
SettingsReport Sample(std::uint8_t salt = 0) {
  SettingsReport report{};
  report[0] = kSettingsReportId;
  report[1] = 0x0b;
  report[2] = 0xcd;
  report[3] = 0xef;
  report[4] = 0xa9;
  for (std::size_t i = 5; i < report.size(); ++i)
    report[i] = static_cast<std::uint8_t>(i * 37 + salt);
  return report;
}

// The bytes the writer writes for these reports.
std::string Written(const fs::path& file, std::span<const SettingsReport> reports) {
  std::string error;
  EXPECT_TRUE(WriteSettingsStateFile(file, reports, error)) << error;
  return ReadFile(file);
}

TEST(SettingsStateFileTest, GivesBackWhatWasWrittenInOrder) {
  TempFolder folder;
  std::vector<SettingsReport> reports;
  for (std::uint8_t i = 0; i < kMaxEntries; ++i) reports.push_back(Sample(i));
  const std::string bytes = Written(folder / "state", reports);
  EXPECT_EQ(bytes.size(), kMaxStateFileSize);
  EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 8);
  EXPECT_EQ(bytes.find('\r'), std::string::npos);
  const auto lines = ReadSettingsStateFile(folder / "state");
  ASSERT_EQ(lines.size(), reports.size());
  for (std::size_t i = 0; i < reports.size(); ++i) EXPECT_EQ(lines[i], reports[i]) << i;
}

TEST(SettingsStateFileTest, MissingFileIsNoLines) {
  TempFolder folder;
  EXPECT_TRUE(ReadSettingsStateFile(folder / "absent").empty());
}

TEST(SettingsStateFileTest, WriterRefusesMoreAdaptersThanTheDeviceTableHolds) {
  TempFolder folder;
  const std::vector<SettingsReport> reports(kMaxEntries + 1, Sample());
  std::string error;
  EXPECT_FALSE(WriteSettingsStateFile(folder / "state", reports, error));
  EXPECT_NE(error.find("more than 8 adapters"), std::string::npos) << error;
  EXPECT_FALSE(fs::exists(folder / "state"));
}

TEST(SettingsStateFileTest, DamagedLineIsNothingInItsPlace) {
  TempFolder folder;
  const std::vector<SettingsReport> reports = {Sample(1), Sample(2)};
  std::string bytes = Written(folder / "state", reports);
  WriteFile(folder / "state", bytes.substr(0, kStateLineSize) + "not hex\n" +
                                  bytes.substr(kStateLineSize));
  const auto lines = ReadSettingsStateFile(folder / "state");
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], reports[0]);
  EXPECT_EQ(lines[1], std::nullopt);
  EXPECT_EQ(lines[2], reports[1]);
}

// One line as the writer wrote it, changed; each change but the first
// makes it a line the writer never writes.
struct LineCase {
  const char* name;
  void (*change)(std::string& line);  // the line without its LF
  bool read;
  friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

class StateLine : public testing::TestWithParam<LineCase> {};

TEST_P(StateLine, IsReadOnlyAsTheWriterWritesIt) {
  TempFolder folder;
  std::string line = Written(folder / "state", std::vector{Sample()});
  ASSERT_EQ(line.substr(0, 10), "020bcdefa9");
  line.pop_back();
  GetParam().change(line);
  WriteFile(folder / "state", line + "\n");
  const auto lines = ReadSettingsStateFile(folder / "state");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], GetParam().read ? std::optional(Sample()) : std::nullopt);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsStateFile, StateLine,
    testing::Values(
        LineCase{"as_written", [](std::string&) {}, true},
        LineCase{"blank_inside_a_field", [](std::string& l) { l[2] = ' '; }, false},
        LineCase{"tab_inside_a_field", [](std::string& l) { l[2] = '\t'; }, false},
        LineCase{"plus_sign_in_a_field", [](std::string& l) { l[2] = '+'; }, false},
        LineCase{"minus_sign_in_a_field", [](std::string& l) { l.replace(2, 2, "-1"); }, false},
        LineCase{"hex_prefix_in_a_field", [](std::string& l) { l.replace(2, 2, "0x"); }, false},
        LineCase{"upper_case_digits",
                 [](std::string& l) {
                   std::transform(l.begin(), l.end(), l.begin(),
                                  [](char c) { return static_cast<char>(std::toupper(c)); });
                 },
                 false},
        LineCase{"not_a_hex_digit", [](std::string& l) { l[5] = 'g'; }, false},
        LineCase{"leading_blank", [](std::string& l) { l.insert(0, " "); }, false},
        LineCase{"trailing_blank", [](std::string& l) { l += ' '; }, false},
        LineCase{"crlf", [](std::string& l) { l += '\r'; }, false},
        LineCase{"digit_short", [](std::string& l) { l.pop_back(); }, false},
        LineCase{"digit_over", [](std::string& l) { l += '0'; }, false},
        LineCase{"other_report_id", [](std::string& l) { l[1] = '3'; }, false},
        LineCase{"nul_byte", [](std::string& l) { l[7] = '\0'; }, false}));

TEST(SettingsStateFileTest, LastLineNeedsNoLf) {
  TempFolder folder;
  std::string bytes = Written(folder / "state", std::vector{Sample()});
  bytes.pop_back();
  WriteFile(folder / "state", bytes);
  const auto lines = ReadSettingsStateFile(folder / "state");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], Sample());
}

// Files no state file is: each reads, in bounded time and memory, as none.
struct NoStateFile {
  const char* name;
  fs::path (*make)(const fs::path& folder);
  friend void PrintTo(const NoStateFile& n, std::ostream* os) { *os << n.name; }
};

class NotAStateFile : public testing::TestWithParam<NoStateFile> {};

TEST_P(NotAStateFile, IsNoLines) {
  TempFolder folder;
  EXPECT_TRUE(ReadSettingsStateFile(GetParam().make(folder.Path())).empty());
}

fs::path EightLinesAnd(const fs::path& folder, std::string_view more) {
  const std::vector<SettingsReport> reports(kMaxEntries, Sample());
  const fs::path file = folder / "state";
  WriteFile(file, Written(file, reports) + std::string(more));
  return file;
}

INSTANTIATE_TEST_SUITE_P(
    SettingsStateFile, NotAStateFile,
    testing::Values(
        NoStateFile{"one_byte_over_the_size_limit",
                    [](const fs::path& f) { return EightLinesAnd(f, "\n"); }},
        NoStateFile{"fifty_megabytes",
                    [](const fs::path& f) {
                      const fs::path file = EightLinesAnd(f, "");
                      fs::resize_file(file, 50u * 1024 * 1024);
                      return file;
                    }},
        NoStateFile{"folder", [](const fs::path& f) {
                      fs::create_directory(f / "state");
                      return f / "state";
                    }}));

// Nodes that are no regular file, as each system has them.
const NoStateFile kNodeRows[] = {
#ifdef _WIN32
    {"null_device", [](const fs::path&) { return fs::path("NUL"); }},
#else
    {"fifo_without_writer",
     [](const fs::path& f) {
       EXPECT_EQ(::mkfifo((f / "state").c_str(), 0600), 0);
       return f / "state";
     }},
    {"endless_device", [](const fs::path&) { return fs::path("/dev/zero"); }},
#endif
};
INSTANTIATE_TEST_SUITE_P(SettingsStateFileNodes, NotAStateFile, testing::ValuesIn(kNodeRows));

TEST(SettingsStateFileTest, FileAtTheSizeLimitIsRead) {
  TempFolder folder;
  const fs::path file = EightLinesAnd(folder.Path(), "");
  ASSERT_EQ(fs::file_size(file), kMaxStateFileSize);
  EXPECT_EQ(ReadSettingsStateFile(file).size(), kMaxEntries);
}

}  // namespace
}  // namespace vantor
