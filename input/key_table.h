// The keys a gun's mouse buttons and wheel can be remapped to. The codes are
// stored in the adapter and in profiles, so the numbering, gaps included,
// never changes.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vantor {

// The keystroke the translator sends for a key: a Windows virtual key and a
// PC/AT set-1 make code, with the extended-key flag.
struct Keystroke {
  std::uint16_t VirtualKey = 0;
  std::uint16_t ScanCode = 0;
  bool Extended = false;
  bool operator==(const Keystroke&) const = default;
};

struct KeyEntry {
  std::uint8_t Code;
  std::string_view Name;
  Keystroke Stroke;  // all zero for "nil"
};

inline constexpr std::size_t kKeyTableSize = 68;
inline constexpr std::uint8_t kHighestKeyCode = 78;

// Ascending code order, "nil" first; the Keys Mapping page offers exactly
// these names in this order.
extern const std::array<KeyEntry, kKeyTableSize> kKeyTable;

// "nil" for every code without an entry.
std::string_view KeyNameFromCode(std::uint8_t code);

// Exact, case-sensitive match; 0 for "nil" and for any other text.
std::uint8_t KeyCodeFromName(std::string_view name);

// Nothing for "nil" and for codes without an entry.
std::optional<Keystroke> KeystrokeForCode(std::uint8_t code);

}  // namespace vantor
