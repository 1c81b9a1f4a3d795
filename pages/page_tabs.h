// The four pages of the main panel's tab control, by tab index.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace vantor {

enum PageIndex : std::size_t {
  kButtonsMapPage = 0,
  kKeysMapPage = 1,
  kDriverOptionsPage = 2,
  kInfoPage = 3,
  kPageCount = 4,
};

inline constexpr std::array<std::string_view, kPageCount> kPageCaptions = {
    "Buttons Mapping", "Keys Mapping", "Drivers Options", "  Info  "};

inline constexpr int kIdPageTabs = 1004;

}  // namespace vantor
