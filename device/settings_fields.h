// The 36 settings by name, in their stored order. Profile files use these
// names as keys, and the command line shows fields by them.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "device/gun_settings.h"

namespace vantor {

struct SettingsField {
  std::string_view Name;
  ByteField Byte = nullptr;  // exactly one of the two is set
  WordField Word = nullptr;

  unsigned Bits() const { return Byte ? 8 : 16; }
  unsigned Get(const GunSettings& s) const { return Byte ? s.*Byte : s.*Word; }
  // Keeps the low 8 or 16 bits, as the field's width allows.
  void Set(GunSettings& s, unsigned long long value) const {
    if (Byte)
      s.*Byte = static_cast<std::uint8_t>(value);
    else
      s.*Word = static_cast<std::uint16_t>(value);
  }
};

inline constexpr std::array<SettingsField, 36> kSettingsFields = {{
    {"ButtonMap1", &GunSettings::ButtonMap1},
    {"ButtonMap2", &GunSettings::ButtonMap2},
    {"ButtonMap3", &GunSettings::ButtonMap3},
    {"ButtonMap4", &GunSettings::ButtonMap4},
    {"ButtonMap5", &GunSettings::ButtonMap5},
    {"ButtonMap6", &GunSettings::ButtonMap6},
    {"ButtonMap7", &GunSettings::ButtonMap7},
    {"ButtonMap8", &GunSettings::ButtonMap8},
    {"ButtonMap9", &GunSettings::ButtonMap9},
    {"ButtonMap10", &GunSettings::ButtonMap10},
    {"AutoFire1", &GunSettings::AutoFire1},
    {"AutoFire2", &GunSettings::AutoFire2},
    {"AutoFire3", &GunSettings::AutoFire3},
    {"AutoFire4", &GunSettings::AutoFire4},
    {"AutoFire5", &GunSettings::AutoFire5},
    {"AutoFire6", &GunSettings::AutoFire6},
    {"AutoFire7", &GunSettings::AutoFire7},
    {"AutoFire8", &GunSettings::AutoFire8},
    {"AutoFire9", &GunSettings::AutoFire9},
    {"AutoFire10", &GunSettings::AutoFire10},
    {"SetOffScreenAs", &GunSettings::SetOffScreenAs},
    {"ButtonRemap1", &GunSettings::ButtonRemap1},
    {"ButtonRemap2", &GunSettings::ButtonRemap2},
    {"ButtonRemap3", &GunSettings::ButtonRemap3},
    {"ButtonRemap4", &GunSettings::ButtonRemap4},
    {"ButtonRemap5", &GunSettings::ButtonRemap5},
    {"ButtonRemap6", &GunSettings::ButtonRemap6},
    {"FreeMouseCursor", &GunSettings::FreeMouseCursor},
    {"Sensitivity", &GunSettings::Sensitivity},
    {"UpEdge", nullptr, &GunSettings::UpEdge},
    {"DownEdge", nullptr, &GunSettings::DownEdge},
    {"LeftEdge", nullptr, &GunSettings::LeftEdge},
    {"RightEdge", nullptr, &GunSettings::RightEdge},
    {"UseCentering", &GunSettings::UseCentering},
    {"XCenter", nullptr, &GunSettings::XCenter},
    {"YCenter", nullptr, &GunSettings::YCenter},
}};

}  // namespace vantor
