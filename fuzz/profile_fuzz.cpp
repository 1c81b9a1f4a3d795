// The profile reader and writer on any file a user may put in the Profiles
// folder. The input is 43 bytes of settings (report 2's 41 data bytes, then
// the two flags as whole bytes), then the file's bytes. Saved into that
// file, the 36 values read back as saved, and a second save of them
// changes no byte.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "device/settings_report.h"
#include "fuzz/fuzz_check.h"
#include "profiles/profile_file.h"

using vantor::fuzz::Require;
namespace fs = std::filesystem;

namespace {

constexpr std::size_t kSettingsBytes = vantor::kSettingsReportSize - 1 + 2;

// Made once, removed at exit; never destroyed before the removal.
const fs::path& Folder() {
  static const fs::path* const folder = [] {
    // A save ends with fsync: in memory that costs nothing, on a disk it
    // would hold the target to a few dozen runs a second.
    std::error_code ec;
    const fs::path parent = fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm")
                                                              : fs::temp_directory_path();
    std::string pattern = (parent / "vantor-profile-fuzz-XXXXXX").string();
    Require(::mkdtemp(pattern.data()) != nullptr, "a folder for the profile");
    return new fs::path(pattern);
  }();
  static const bool removedAtExit = [] {
    return std::atexit([] {
      std::error_code ec;
      fs::remove_all(*folder, ec);
    }) == 0;
  }();
  (void)removedAtExit;
  return *folder;
}

vantor::GunSettings SettingsFrom(const std::uint8_t* data, std::size_t size) {
  std::uint8_t bytes[kSettingsBytes] = {};
  std::copy_n(data, std::min(size, kSettingsBytes), bytes);
  vantor::SettingsReport report{};
  std::copy_n(bytes, report.size() - 1, report.begin() + 1);
  vantor::GunSettings settings;
  vantor::DecodeSettingsReport(report, settings);
  settings.UseCentering = bytes[kSettingsBytes - 2];
  settings.FreeMouseCursor = bytes[kSettingsBytes - 1];
  return settings;
}

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const vantor::GunSettings settings = SettingsFrom(data, size);
  const std::size_t skip = std::min(size, kSettingsBytes);
  const fs::path file = Folder() / "Fuzzed.ini";
  std::ofstream(file, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data + skip), static_cast<std::streamsize>(size - skip));

  std::string reason;
  const bool saved = vantor::SaveProfile(file, settings, &reason);
  if (size - skip > vantor::kMaxProfileFileSize) {
    Require(!saved, "a file too large for a profile is left alone");
    return 0;
  }
  if (!saved) std::fprintf(stderr, "not saved: %s\n", reason.c_str());
  Require(saved, "a profile saves into any file of profile size");

  vantor::GunSettings back;
  Require(vantor::LoadProfile(file, back, &reason), "a saved profile loads");
  Require(back == settings, "the 36 values read back as saved");

  const std::string once = Bytes(file);
  Require(vantor::SaveProfile(file, settings, &reason), "a profile saves twice");
  Require(Bytes(file) == once, "a second save changes nothing");
  return 0;
}
