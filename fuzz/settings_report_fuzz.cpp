// Report 2 as an adapter (or anything claiming to be one) answers it:
// decoded, then encoded again, it gives back its bytes, but for the flag
// bits that carry nothing; and settings encoded then decoded come back.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

#include "device/settings_fields.h"
#include "device/settings_report.h"
#include "fuzz/fuzz_check.h"

using vantor::fuzz::Require;

namespace {

// Per report byte, the bits that flags travel as; 0 for a byte of a number.
constexpr std::array<std::uint8_t, vantor::kSettingsReportSize> kFlagBits = [] {
  std::array<std::uint8_t, vantor::kSettingsReportSize> bits{};
  for (const vantor::SettingsField& field : vantor::kSettingsFields)
    bits[field.Offset] = static_cast<std::uint8_t>(bits[field.Offset] | field.FlagBit);
  return bits;
}();

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  vantor::SettingsReport report{};
  std::copy_n(data, std::min(size, report.size()), report.begin());
  report[vantor::kReportIdByte] = vantor::kSettingsReportId;

  vantor::GunSettings settings;  // as discovery passes it: all zero
  vantor::DecodeSettingsReport(report, settings);
  vantor::SettingsReport expected = report;
  for (std::size_t i = 0; i < expected.size(); ++i)
    if (kFlagBits[i] != 0) expected[i] &= kFlagBits[i];
  Require(vantor::EncodeSettingsReport(settings) == expected,
          "decode then encode gives the same bytes");

  vantor::GunSettings again;
  vantor::DecodeSettingsReport(vantor::EncodeSettingsReport(settings), again);
  Require(again == settings, "encode then decode gives the same settings");
  return 0;
}
