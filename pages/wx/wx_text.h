// Our texts are UTF-8 std::strings; wx wants wxString.
#pragma once

#include <wx/string.h>

#include <string_view>

namespace vantor {

inline wxString WxText(std::string_view text) {
  return wxString::FromUTF8(text.data(), text.size());
}

}  // namespace vantor
