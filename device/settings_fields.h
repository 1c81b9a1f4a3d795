// The 36 settings in one table, in their stored order: each field's name
// (its profile key, and how the command line shows it), its member of
// GunSettings, where report 2 carries it, its default and the values the
// pages offer. The report codec, the profile files, vantorctl and the pages
// all read it, so a field added or moved is one line here.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "device/adapter_facts.h"
#include "device/gun_settings.h"

namespace vantor {

// The values the pages offer for a field, both ends included.
struct FieldRange {
  int Low = 0, High = 0;
};

inline constexpr FieldRange kFlagRange{0, 1};
inline constexpr FieldRange kMouseActionRange{1, 10};  // the MouseAction codes
inline constexpr FieldRange kAutoFireRange{0, 25};     // the AutoFire dialog's slider
inline constexpr FieldRange kOffScreenRange{0, 5};     // the OffScreenButton codes
inline constexpr FieldRange kKeyCodeRange{0, 78};      // the key table's codes, 0 no key
inline constexpr FieldRange kSensitivityRange{0, 10};
inline constexpr FieldRange kCalibrationRange{0, 10000};

struct SettingsField {
  std::string_view Name;
  ByteField Byte = nullptr;  // exactly one of the two is set
  WordField Word = nullptr;
  // The byte of report 2 that carries the field (a 16-bit value's low
  // byte, little-endian); byte 0 is the report ID.
  std::size_t Offset = 0;
  // A flag travels as this one bit of its byte, set for any value but 0;
  // 0 for a number, which takes whole bytes.
  std::uint8_t FlagBit = 0;
  unsigned Default = 0;  // for a profile without the key, and the pages' "Default"
  FieldRange Range;

  // The field's width in GunSettings; a flag is a byte there.
  constexpr unsigned Bits() const { return Byte ? 8 : 16; }
  constexpr std::size_t ReportBytes() const { return Word ? 2 : 1; }
  constexpr unsigned Get(const GunSettings& s) const { return Byte ? s.*Byte : s.*Word; }
  // Keeps the low 8 or 16 bits, as the field's width allows.
  constexpr void Set(GunSettings& s, unsigned long long value) const {
    if (Byte)
      s.*Byte = static_cast<std::uint8_t>(value);
    else
      s.*Word = static_cast<std::uint16_t>(value);
  }
};

namespace field_kinds {
constexpr SettingsField Number8(std::string_view name, ByteField member, std::size_t offset,
                                unsigned defaultValue, FieldRange range) {
  return {name, member, nullptr, offset, 0, defaultValue, range};
}
constexpr SettingsField Number16(std::string_view name, WordField member, std::size_t offset,
                                 unsigned defaultValue, FieldRange range) {
  return {name, nullptr, member, offset, 0, defaultValue, range};
}
constexpr SettingsField Flag(std::string_view name, ByteField member, std::size_t offset,
                             std::uint8_t bit, unsigned defaultValue) {
  return {name, member, nullptr, offset, bit, defaultValue, kFlagRange};
}
}  // namespace field_kinds

inline constexpr std::size_t kSettingsFieldCount = 36;

inline constexpr std::array<SettingsField, kSettingsFieldCount> kSettingsFields = [] {
  using namespace field_kinds;
  using S = GunSettings;
  namespace A = MouseAction;
  return std::array<SettingsField, kSettingsFieldCount>{{
      Number8("ButtonMap1", &S::ButtonMap1, 14, A::Button1, kMouseActionRange),
      Number8("ButtonMap2", &S::ButtonMap2, 15, A::Button4, kMouseActionRange),
      Number8("ButtonMap3", &S::ButtonMap3, 16, A::Button2, kMouseActionRange),
      Number8("ButtonMap4", &S::ButtonMap4, 17, A::WheelUp, kMouseActionRange),
      Number8("ButtonMap5", &S::ButtonMap5, 18, A::Button5, kMouseActionRange),
      Number8("ButtonMap6", &S::ButtonMap6, 19, A::Button3, kMouseActionRange),
      Number8("ButtonMap7", &S::ButtonMap7, 20, A::Disabled, kMouseActionRange),
      Number8("ButtonMap8", &S::ButtonMap8, 21, A::Disabled, kMouseActionRange),
      Number8("ButtonMap9", &S::ButtonMap9, 22, A::Disabled, kMouseActionRange),
      Number8("ButtonMap10", &S::ButtonMap10, 23, A::Disabled, kMouseActionRange),
      Number8("AutoFire1", &S::AutoFire1, 24, 0, kAutoFireRange),
      Number8("AutoFire2", &S::AutoFire2, 25, 0, kAutoFireRange),
      Number8("AutoFire3", &S::AutoFire3, 26, 0, kAutoFireRange),
      Number8("AutoFire4", &S::AutoFire4, 27, 0, kAutoFireRange),
      Number8("AutoFire5", &S::AutoFire5, 28, 0, kAutoFireRange),
      Number8("AutoFire6", &S::AutoFire6, 29, 0, kAutoFireRange),
      Number8("AutoFire7", &S::AutoFire7, 30, 0, kAutoFireRange),
      Number8("AutoFire8", &S::AutoFire8, 31, 0, kAutoFireRange),
      Number8("AutoFire9", &S::AutoFire9, 32, 0, kAutoFireRange),
      Number8("AutoFire10", &S::AutoFire10, 33, 0, kAutoFireRange),
      Number8("SetOffScreenAs", &S::SetOffScreenAs, 41, OffScreenButton::None, kOffScreenRange),
      Number8("ButtonRemap1", &S::ButtonRemap1, 35, 0, kKeyCodeRange),
      Number8("ButtonRemap2", &S::ButtonRemap2, 36, 0, kKeyCodeRange),
      Number8("ButtonRemap3", &S::ButtonRemap3, 37, 0, kKeyCodeRange),
      Number8("ButtonRemap4", &S::ButtonRemap4, 38, 0, kKeyCodeRange),
      Number8("ButtonRemap5", &S::ButtonRemap5, 39, 0, kKeyCodeRange),
      Number8("ButtonRemap6", &S::ButtonRemap6, 40, 0, kKeyCodeRange),
      Flag("FreeMouseCursor", &S::FreeMouseCursor, 34, 0x04, 1),
      Number8("Sensitivity", &S::Sensitivity, 13, 0, kSensitivityRange),
      // The edges travel left, right, top, bottom.
      Number16("UpEdge", &S::UpEdge, 5, 31, kCalibrationRange),
      Number16("DownEdge", &S::DownEdge, 7, 255, kCalibrationRange),
      Number16("LeftEdge", &S::LeftEdge, 1, 137, kCalibrationRange),
      Number16("RightEdge", &S::RightEdge, 3, 711, kCalibrationRange),
      Flag("UseCentering", &S::UseCentering, 34, 0x02, 0),
      Number16("XCenter", &S::XCenter, 9, 0, kCalibrationRange),
      Number16("YCenter", &S::YCenter, 11, 0, kCalibrationRange),
  }};
}();

// The field of that name; a name that is not in the table does not compile.
consteval const SettingsField& SettingsFieldNamed(std::string_view name) {
  for (const SettingsField& field : kSettingsFields)
    if (field.Name == name) return field;
  throw "no settings field of that name";
}

namespace settings_fields_check {

// Every byte of the report but the ID is carried by one number or by flags
// alone, with a bit of their own each; nothing lies beyond the report.
consteval bool EveryReportByteCarriedOnce() {
  std::array<unsigned, kSettingsReportSize> numbers{};
  std::array<unsigned, kSettingsReportSize> flagBits{};
  for (const SettingsField& field : kSettingsFields) {
    if ((field.Byte == nullptr) == (field.Word == nullptr)) return false;
    if (field.Offset == 0 || field.Offset + field.ReportBytes() > kSettingsReportSize) return false;
    if (field.FlagBit != 0) {
      if (!field.Byte || (flagBits[field.Offset] & field.FlagBit)) return false;
      flagBits[field.Offset] |= field.FlagBit;
    } else {
      for (std::size_t b = 0; b < field.ReportBytes(); ++b) ++numbers[field.Offset + b];
    }
  }
  for (std::size_t i = 1; i < kSettingsReportSize; ++i) {
    const bool byNumber = numbers[i] == 1 && flagBits[i] == 0;
    const bool byFlags = numbers[i] == 0 && flagBits[i] != 0;
    if (!byNumber && !byFlags) return false;
  }
  return true;
}

consteval bool NamesAndMembersOnce() {
  for (std::size_t i = 0; i < kSettingsFields.size(); ++i)
    for (std::size_t j = i + 1; j < kSettingsFields.size(); ++j) {
      const SettingsField& a = kSettingsFields[i];
      const SettingsField& b = kSettingsFields[j];
      if (a.Name == b.Name) return false;
      if (a.Byte && a.Byte == b.Byte) return false;
      if (a.Word && a.Word == b.Word) return false;
    }
  return true;
}

consteval bool DefaultsWithinRanges() {
  for (const SettingsField& field : kSettingsFields)
    if (static_cast<int>(field.Default) < field.Range.Low ||
        static_cast<int>(field.Default) > field.Range.High)
      return false;
  return true;
}

}  // namespace settings_fields_check

static_assert(settings_fields_check::EveryReportByteCarriedOnce());
static_assert(settings_fields_check::NamesAndMembersOnce());
static_assert(settings_fields_check::DefaultsWithinRanges());

// The members of a run of fields, from first to last in table order, for
// loops over the gun buttons or the remaps.
template <std::size_t N>
consteval std::array<ByteField, N> ByteMembers(std::string_view first, std::string_view last) {
  std::size_t at = 0;
  while (kSettingsFields[at].Name != first) ++at;
  if (at + N > kSettingsFields.size() || kSettingsFields[at + N - 1].Name != last)
    throw "the run does not have that many fields";
  std::array<ByteField, N> members{};
  for (std::size_t i = 0; i < N; ++i) {
    if (!kSettingsFields[at + i].Byte) throw "a 16-bit field in the run";
    members[i] = kSettingsFields[at + i].Byte;
  }
  return members;
}

// Indexed by gun button 1..10 at [0..9], so loops need not spell the names.
inline constexpr auto kButtonMapFields = ByteMembers<kGunButtonCount>("ButtonMap1", "ButtonMap10");
inline constexpr auto kAutoFireFields = ByteMembers<kGunButtonCount>("AutoFire1", "AutoFire10");
// Mouse buttons 1..5 at [0..4], the wheel at [5].
inline constexpr auto kButtonRemapFields = ByteMembers<kRemapCount>("ButtonRemap1", "ButtonRemap6");

}  // namespace vantor
