// Test files in UTF-16LE, as Notepad's "Unicode" saves them.
#pragma once

#include <string>
#include <string_view>

namespace vantor::testing_support {

// The text's bytes in UTF-16LE after the mark FF FE.
inline std::string Utf16Le(std::u16string_view text) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

// ASCII text as UTF-16 code units.
inline std::u16string Widened(std::string_view ascii) {
  return std::u16string(ascii.begin(), ascii.end());
}

}  // namespace vantor::testing_support
