// Report 2 as an adapter (or anything claiming to be one) answers it:
// decoded, then encoded again, it gives back its bytes, but for the flag
// bits that carry nothing; and settings encoded then decoded come back.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "device/settings_report.h"
#include "fuzz/fuzz_check.h"

using vantor::fuzz::Require;
namespace report2 = vantor::report2;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vantor::SettingsReport report{};
  std::copy_n(data, std::min(size, report.size()), report.begin());
  report[report2::kReportId] = vantor::kSettingsReportId;

  vantor::GunSettings settings;  // as discovery passes it: all zero
  vantor::DecodeSettingsReport(report, settings);
  vantor::SettingsReport expected = report;
  expected[report2::kFlags] &= report2::kCenteringFlag | report2::kFreeMouseFlag;
  Require(vantor::EncodeSettingsReport(settings) == expected,
          "decode then encode gives the same bytes");

  vantor::GunSettings again;
  vantor::DecodeSettingsReport(vantor::EncodeSettingsReport(settings), again);
  Require(again == settings, "encode then decode gives the same settings");
  return 0;
}
