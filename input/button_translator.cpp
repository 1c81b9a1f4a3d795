#include "input/button_translator.h"

#include <algorithm>

#include "input/key_table.h"

namespace vantor {

void PressKey(std::uint8_t code, KeySink& keys) {
  if (const std::optional<Keystroke> stroke = KeystrokeForCode(code))
    keys.SendKeyDown(stroke->VirtualKey, stroke->ScanCode, stroke->Extended);
}

void ReleaseKey(std::uint8_t code, KeySink& keys) {
  if (const std::optional<Keystroke> stroke = KeystrokeForCode(code))
    keys.SendKeyUp(stroke->VirtualKey, stroke->ScanCode, stroke->Extended);
}

bool ButtonTranslator::HeldKeys::Empty() const {
  return Wheel == 0 && std::all_of(Buttons.begin(), Buttons.end(),
                                   [](std::uint8_t code) { return code == 0; });
}

ButtonTranslator::~ButtonTranslator() { ReleaseAllHeldKeys(); }

ButtonTranslator::HeldKeys* ButtonTranslator::Find(const GunDevice& gun) {
  for (HeldKeys& held : m_held)
    if (held.Gun == &gun) return &held;
  return nullptr;
}

ButtonTranslator::HeldKeys* ButtonTranslator::FindOrClaim(const GunDevice& gun) {
  if (HeldKeys* held = Find(gun)) return held;
  for (HeldKeys& held : m_held) {
    if (!held.Empty()) continue;
    held.Gun = &gun;
    return &held;
  }
  return nullptr;
}

// A button that goes down again without having gone up (a release lost on
// the way) still holds its old key: that goes up first, or nothing would
// ever release it.
void ButtonTranslator::Press(std::uint8_t& slot, std::uint8_t code) {
  Lift(slot);
  PressKey(code, m_keys);
  slot = code;
}

void ButtonTranslator::Lift(std::uint8_t& slot) {
  if (slot == 0) return;
  ReleaseKey(slot, m_keys);
  slot = 0;
}

void ButtonTranslator::TranslateButtons(std::uint16_t flags, GunDevice& gun) {
  const GunSettings& settings = gun.Settings;
  for (std::size_t button = 1; button <= kMouseButtonCount; ++button) {
    const std::uint8_t code = settings.*kButtonRemapFields[button - 1];
    // A key that could not be remembered is never pressed.
    if ((flags & ButtonDownFlag(button)) && IsKeyCodeInRange(code))
      if (HeldKeys* held = FindOrClaim(gun)) Press(held->Buttons[button - 1], code);
    if (flags & ButtonUpFlag(button))
      if (HeldKeys* held = Find(gun)) Lift(held->Buttons[button - 1]);
  }

  // Wheel up and down press the same key: the delta is never looked at.
  // "nil" still follows the wheel, so the pressed-button display shows it;
  // a code above 78 leaves WheelHeld alone, but never a key it pressed.
  const bool wheel = (flags & ButtonFlags::Wheel) != 0;
  const std::uint8_t code = settings.ButtonRemap6;
  const bool followsWheel = IsKeyCodeInRange(code) || code == 0;
  if (wheel) {
    if (gun.WheelHeld == 0 && followsWheel) {
      if (code != 0)
        if (HeldKeys* held = FindOrClaim(gun)) Press(held->Wheel, code);
      gun.WheelHeld = 1;
    }
  } else {
    if (HeldKeys* held = Find(gun)) Lift(held->Wheel);
    if (gun.WheelHeld == 1 && followsWheel) gun.WheelHeld = 0;
  }
}

void ButtonTranslator::Release(HeldKeys& held) {
  for (std::uint8_t& slot : held.Buttons) Lift(slot);
  Lift(held.Wheel);
  held.Gun = nullptr;
}

void ButtonTranslator::ReleaseHeldKeys(GunDevice& gun) {
  if (HeldKeys* held = Find(gun)) Release(*held);
  gun.WheelHeld = 0;
}

void ButtonTranslator::ReleaseAllHeldKeys() {
  for (HeldKeys& held : m_held) Release(held);
}

}  // namespace vantor
