#include "input/button_translator.h"

#include "input/button_flags.h"
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

void TranslateButtons(std::uint16_t flags, GunDevice& gun, KeySink& keys) {
  const GunSettings& settings = gun.Settings;
  for (std::size_t button = 1; button <= kMouseButtonCount; ++button) {
    const std::uint8_t code = settings.*kButtonRemapFields[button - 1];
    if (!IsKeyCodeInRange(code)) continue;
    if (flags & ButtonDownFlag(button)) PressKey(code, keys);
    if (flags & ButtonUpFlag(button)) ReleaseKey(code, keys);
  }

  // Wheel up and down press the same key: the delta is never looked at.
  // "nil" still follows the wheel, so the pressed-button display shows it;
  // a code above 78 leaves WheelHeld alone.
  const bool wheel = (flags & ButtonFlags::Wheel) != 0;
  const std::uint8_t code = settings.ButtonRemap6;
  if (IsKeyCodeInRange(code)) {
    if (wheel && gun.WheelHeld == 0) {
      PressKey(code, keys);
      gun.WheelHeld = 1;
    } else if (!wheel && gun.WheelHeld == 1) {
      ReleaseKey(code, keys);
      gun.WheelHeld = 0;
    }
  } else if (code == 0) {
    if (wheel && gun.WheelHeld == 0)
      gun.WheelHeld = 1;
    else if (!wheel && gun.WheelHeld == 1)
      gun.WheelHeld = 0;
  }
}

}  // namespace vantor
