// The settings of one gun, as the adapter stores them, and the code lists
// that give its values their names.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

// All values are unsigned; a flag is 0 for off and anything else for on.
struct GunSettings {
  std::uint8_t ButtonMap1 = 0, ButtonMap2 = 0, ButtonMap3 = 0, ButtonMap4 = 0,
               ButtonMap5 = 0, ButtonMap6 = 0, ButtonMap7 = 0, ButtonMap8 = 0,
               ButtonMap9 = 0, ButtonMap10 = 0;
  std::uint8_t AutoFire1 = 0, AutoFire2 = 0, AutoFire3 = 0, AutoFire4 = 0,
               AutoFire5 = 0, AutoFire6 = 0, AutoFire7 = 0, AutoFire8 = 0,
               AutoFire9 = 0, AutoFire10 = 0;
  std::uint8_t SetOffScreenAs = 0;
  // Keys for the gun's mouse buttons 1..5 (1..5) and for its wheel (6).
  std::uint8_t ButtonRemap1 = 0, ButtonRemap2 = 0, ButtonRemap3 = 0,
               ButtonRemap4 = 0, ButtonRemap5 = 0, ButtonRemap6 = 0;
  std::uint8_t FreeMouseCursor = 0;
  std::uint8_t Sensitivity = 0;
  std::uint16_t UpEdge = 0;
  std::uint16_t DownEdge = 0;
  std::uint16_t LeftEdge = 0;
  std::uint16_t RightEdge = 0;
  std::uint8_t UseCentering = 0;
  std::uint16_t XCenter = 0;
  std::uint16_t YCenter = 0;

  bool operator==(const GunSettings&) const = default;
};

using ByteField = std::uint8_t GunSettings::*;
using WordField = std::uint16_t GunSettings::*;

inline constexpr std::size_t kGunButtonCount = 10;
inline constexpr std::size_t kRemapCount = 6;

// Gun buttons in the order of ButtonMap1..10 and AutoFire1..10, by the
// captions the Buttons Mapping page gives them.
inline constexpr std::array<std::string_view, kGunButtonCount> kGunButtonCaptions = {
    "D (trigger1)", "B",           "C (trigger2)", "Select",       "Start",
    "A",            "D-PAD Up",    "D-PAD Down",   "D-PAD Left",   "D-PAD Right"};

// A named code of a fixed value list.
struct NamedCode {
  std::uint8_t Code;
  std::string_view Name;
};

// Actions of ButtonMap1..10.
namespace MouseAction {
inline constexpr std::uint8_t Button1 = 1, Button2 = 2, Button3 = 3,
                              Button4 = 4, Button5 = 5, WheelUp = 6,
                              WheelDown = 7, Disabled = 8, FreeMouse = 9,
                              Reload = 10;
inline constexpr std::array<NamedCode, 10> kList = {{{1, "Button1"},
                                                     {2, "Button2"},
                                                     {3, "Button3"},
                                                     {4, "Button4"},
                                                     {5, "Button5"},
                                                     {6, "Wheel Up"},
                                                     {7, "Wheel Down"},
                                                     {8, "Disabled"},
                                                     {9, "Free Mouse"},
                                                     {10, "Reload"}}};
}  // namespace MouseAction

// Codes of SetOffScreenAs.
namespace OffScreenButton {
inline constexpr std::uint8_t None = 0;
inline constexpr std::array<NamedCode, 6> kList = {{{0, "none"},
                                                    {1, "Button1"},
                                                    {2, "Button2"},
                                                    {3, "Button3"},
                                                    {4, "Button4"},
                                                    {5, "Button5"}}};
}  // namespace OffScreenButton

// The name of a code in a list, or nothing when the code is not listed.
template <std::size_t N>
constexpr std::optional<std::string_view> NameOfCode(
    const std::array<NamedCode, N>& list, std::uint8_t code) {
  for (const NamedCode& entry : list)
    if (entry.Code == code) return entry.Name;
  return std::nullopt;
}

// The code of a name in a list (exact match), or nothing.
template <std::size_t N>
constexpr std::optional<std::uint8_t> CodeOfName(
    const std::array<NamedCode, N>& list, std::string_view name) {
  for (const NamedCode& entry : list)
    if (entry.Name == name) return entry.Code;
  return std::nullopt;
}

// The defaults of the field table (settings_fields.h), which a profile
// without keys gives: trigger 1 fires Button1, B
// Button4, trigger 2 Button2, Select wheel up, Start Button5, A Button3, the
// D-pad nothing; free mouse on and the factory calibration edges.
GunSettings ProfileDefaultSettings();

}  // namespace vantor
