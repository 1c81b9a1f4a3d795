// Turns the button transitions of one adapter's mouse report into key
// presses, by that adapter's key remaps, and remembers what it pressed so
// that every key it pressed goes up again.
#pragma once

#include <array>
#include <cstdint>

#include "device/adapter_facts.h"
#include "device/gun_device.h"
#include "input/button_flags.h"
#include "input/key_sink.h"

namespace vantor {

// A remap code that is handed to PressKey and ReleaseKey (1..78); codes in
// range without a key table entry still send nothing.
constexpr bool IsKeyCodeInRange(std::uint8_t code) { return code >= 1 && code <= 78; }

// Sends the code's keystroke down or up; a code without one sends nothing.
void PressKey(std::uint8_t code, KeySink& keys);
void ReleaseKey(std::uint8_t code, KeySink& keys);

class ButtonTranslator {
 public:
  // keys is kept by reference and must outlive the translator.
  explicit ButtonTranslator(KeySink& keys) : m_keys(keys) {}
  // Whatever is still held goes up: nothing outlives the translator.
  ~ButtonTranslator();
  ButtonTranslator(const ButtonTranslator&) = delete;
  ButtonTranslator& operator=(const ButtonTranslator&) = delete;

  // Buttons 1 to 5 in turn, each press before its release, then the wheel,
  // which holds ButtonRemap6 down from a wheel report to the adapter's next
  // report without wheel movement (gun.WheelHeld). A press takes its key
  // from gun.Settings as they are now; a release sends the key that was
  // pressed, whatever the remap says by then.
  void TranslateButtons(std::uint16_t flags, GunDevice& gun);

  // The adapter's reports stop (its mouse went away): the keys still held
  // for it go up, buttons 1 to 5 first, then the wheel, and its WheelHeld
  // becomes 0.
  void ReleaseHeldKeys(GunDevice& gun);
  // Every key still held for any adapter goes up, adapter by adapter. Needs
  // none of the entries, so it may run while the table goes or after.
  void ReleaseAllHeldKeys();

 private:
  // The key codes pressed for one adapter, 0 where nothing is held.
  struct HeldKeys {
    const GunDevice* Gun = nullptr;  // identity only, never read through
    std::array<std::uint8_t, kMouseButtonCount> Buttons{};
    std::uint8_t Wheel = 0;
    bool Empty() const;
  };

  HeldKeys* Find(const GunDevice& gun);
  HeldKeys* FindOrClaim(const GunDevice& gun);
  void Release(HeldKeys& held);
  void Press(std::uint8_t& slot, std::uint8_t code);
  void Lift(std::uint8_t& slot);

  KeySink& m_keys;
  // One per device-table entry at most; no allocation on the input path.
  std::array<HeldKeys, kMaxEntries> m_held{};
};

}  // namespace vantor
