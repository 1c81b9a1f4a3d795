// Turns the button transitions of one adapter's mouse report into key
// presses, by that adapter's key remaps.
#pragma once

#include <cstdint>

#include "device/gun_device.h"
#include "input/key_sink.h"

namespace vantor {

// A remap code that is handed to PressKey and ReleaseKey (1..78); codes in
// range without a key table entry still send nothing.
constexpr bool IsKeyCodeInRange(std::uint8_t code) { return code >= 1 && code <= 78; }

// Sends the code's keystroke down or up; a code without one sends nothing.
void PressKey(std::uint8_t code, KeySink& keys);
void ReleaseKey(std::uint8_t code, KeySink& keys);

// Buttons 1 to 5 in turn, each press before its release, then the wheel,
// which holds ButtonRemap6 down from a wheel report to the adapter's next
// report without wheel movement (gun.WheelHeld). The remaps are read from
// gun.Settings on every call.
void TranslateButtons(std::uint16_t flags, GunDevice& gun, KeySink& keys);

}  // namespace vantor
