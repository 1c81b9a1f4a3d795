#include "input/key_table.h"

namespace vantor {
namespace {

constexpr bool kExt = true;

// Letters send the upper-case letter's virtual key; no shift is added.
constexpr KeyEntry Letter(std::uint8_t code, std::string_view name, std::uint16_t scan) {
  return {code, name, {static_cast<std::uint16_t>('A' + (code - 35)), scan, false}};
}

}  // namespace

constexpr std::array<KeyEntry, kKeyTableSize> kKeyTable = {{
    {0, "nil", {}},
    {1, "Up arrow", {0x26, 0x48, kExt}},
    {2, "Down arrow", {0x28, 0x50, kExt}},
    {3, "Left arrow", {0x25, 0x4B, kExt}},
    {4, "Right arrow", {0x27, 0x4D, kExt}},
    {5, "Esc", {0x1B, 0x01}},
    {6, "Enter", {0x0D, 0x1C}},
    {7, "Left ctrl", {0x11, 0x1D}},
    {8, "Right ctrl", {0x11, 0x1D, kExt}},
    {9, "Alt", {0x12, 0x38}},
    {10, "Space", {0x20, 0x39}},
    {11, "Tab", {0x09, 0x0F}},
    {12, "Shift", {0x10, 0x2A}},
    {13, "F1", {0x70, 0x3B}},
    {14, "F2", {0x71, 0x3C}},
    {15, "F3", {0x72, 0x3D}},
    {16, "F4", {0x73, 0x3E}},
    {17, "F5", {0x74, 0x3F}},
    {18, "F6", {0x75, 0x40}},
    {19, "F7", {0x76, 0x41}},
    {20, "F8", {0x77, 0x42}},
    {21, "F9", {0x78, 0x43}},
    {22, "F10", {0x79, 0x44}},
    {23, "F11", {0x7A, 0x57}},
    {24, "F12", {0x7B, 0x58}},
    {25, "0", {0x30, 0x0B}},
    {26, "1", {0x31, 0x02}},
    {27, "2", {0x32, 0x03}},
    {28, "3", {0x33, 0x04}},
    {29, "4", {0x34, 0x05}},
    {30, "5", {0x35, 0x06}},
    {31, "6", {0x36, 0x07}},
    {32, "7", {0x37, 0x08}},
    {33, "8", {0x38, 0x09}},
    {34, "9", {0x39, 0x0A}},
    Letter(35, "a", 0x1E), Letter(36, "b", 0x30), Letter(37, "c", 0x2E),
    Letter(38, "d", 0x20), Letter(39, "e", 0x12), Letter(40, "f", 0x21),
    Letter(41, "g", 0x22), Letter(42, "h", 0x23), Letter(43, "i", 0x17),
    Letter(44, "j", 0x24), Letter(45, "k", 0x25), Letter(46, "l", 0x26),
    Letter(47, "m", 0x32), Letter(48, "n", 0x31), Letter(49, "o", 0x18),
    Letter(50, "p", 0x19), Letter(51, "q", 0x10), Letter(52, "r", 0x13),
    Letter(53, "s", 0x1F), Letter(54, "t", 0x14), Letter(55, "u", 0x16),
    Letter(56, "v", 0x2F), Letter(57, "w", 0x11), Letter(58, "x", 0x2D),
    Letter(59, "y", 0x15), Letter(60, "z", 0x2C),
    {65, "BackSpace", {0x08, 0x0E}},
    {73, "Insert", {0x2D, 0x52, kExt}},
    {74, "Delete", {0x2E, 0x53, kExt}},
    {75, "Home", {0x24, 0x47, kExt}},
    {76, "End", {0x23, 0x4F, kExt}},
    {77, "PageUp", {0x21, 0x49, kExt}},
    {78, "PageDown", {0x22, 0x51, kExt}},
}};

namespace {

constexpr std::uint8_t kNoEntry = 0xFF;

// Position in kKeyTable by code, so that the translator's lookup for every
// key transition is one index.
constexpr std::array<std::uint8_t, 256> kPositionOfCode = [] {
  std::array<std::uint8_t, 256> positions{};
  positions.fill(kNoEntry);
  for (std::size_t i = 0; i < kKeyTable.size(); ++i)
    positions[kKeyTable[i].Code] = static_cast<std::uint8_t>(i);
  return positions;
}();

const KeyEntry* EntryOf(std::uint8_t code) {
  const std::uint8_t position = kPositionOfCode[code];
  return position == kNoEntry ? nullptr : &kKeyTable[position];
}

}  // namespace

std::string_view KeyNameFromCode(std::uint8_t code) {
  const KeyEntry* entry = EntryOf(code);
  return entry ? entry->Name : kKeyTable[0].Name;
}

std::uint8_t KeyCodeFromName(std::string_view name) {
  for (const KeyEntry& entry : kKeyTable)
    if (entry.Name == name) return entry.Code;
  return 0;
}

std::optional<Keystroke> KeystrokeForCode(std::uint8_t code) {
  const KeyEntry* entry = EntryOf(code);
  if (!entry || code == 0) return std::nullopt;
  return entry->Stroke;
}

}  // namespace vantor
