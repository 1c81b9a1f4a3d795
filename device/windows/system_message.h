// The system's own words for a Win32 error code, as a user is shown them
// ("Access is denied."), and the conversions between the UTF-8 strings of
// the platform-free code and the wide strings of the W calls.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

// The message text of error, without its line end; "Error N" when the
// system has none.
std::string SystemMessage(unsigned long error);

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

}  // namespace vantor
