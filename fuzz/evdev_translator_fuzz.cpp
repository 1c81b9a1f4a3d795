// The gun's mouse events as the kernel hands them over, through the frame
// reader and the translator to the keys. However the frames come (cut
// short, repeated presses, releases of buttons never pressed, wheel in any
// of them), once every button is up and a frame without wheel movement has
// followed, no key is held.
//
// The input is the six key remaps, then events of three bytes each: kind,
// code and value, each picked from what a mouse node can send.
#include <linux/input-event-codes.h>

#include <array>
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_check.h"
#include "input/button_translator.h"
#include "input/linux/evdev_frames.h"
#include "tests/input/recording_key_sink.h"

using vantor::fuzz::Require;

namespace {

struct Event {
  std::uint16_t Type, Code;
  std::int32_t Value;
};

constexpr std::array<std::uint16_t, 7> kKeys = {BTN_LEFT, BTN_RIGHT, BTN_MIDDLE, BTN_SIDE,
                                                BTN_EXTRA, BTN_TASK, KEY_A};
constexpr std::array<std::uint16_t, 5> kRelatives = {REL_X, REL_Y, REL_WHEEL, REL_WHEEL_HI_RES,
                                                     REL_HWHEEL};

Event EventFrom(std::uint8_t kind, std::uint8_t code, std::uint8_t value) {
  const auto signedValue = static_cast<std::int8_t>(value);
  switch (kind % 4) {
    case 0:
      return {EV_KEY, kKeys[code % kKeys.size()], value % 3};  // up, down, autorepeat
    case 1:
      return {EV_REL, kRelatives[code % kRelatives.size()], signedValue};
    case 2:
      return {EV_SYN, static_cast<std::uint16_t>(code % 2 ? SYN_DROPPED : SYN_REPORT), 0};
    default:
      return {EV_MSC, MSC_SCAN, signedValue};
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < vantor::kRemapCount) return -1;  // not worth keeping
  vantor::GunDevice gun;
  for (std::size_t i = 0; i < vantor::kRemapCount; ++i)
    gun.Settings.*vantor::kButtonRemapFields[i] = data[i];

  vantor::EvdevFrameReader reader;
  vantor::RecordingKeySink keys;
  // Checked while it lives: its end would release whatever it still holds.
  vantor::ButtonTranslator translator(keys);
  auto add = [&](const Event& e) {
    if (const auto flags = reader.Add(e.Type, e.Code, e.Value))
      translator.TranslateButtons(*flags, gun);
  };
  for (std::size_t at = vantor::kRemapCount; at + 3 <= size; at += 3)
    add(EventFrom(data[at], data[at + 1], data[at + 2]));

  // Every button up, then a frame of movement only.
  for (std::uint16_t button : vantor::kMouseButtonCodes) add({EV_KEY, button, 0});
  add({EV_SYN, SYN_REPORT, 0});
  add({EV_REL, REL_X, 1});
  add({EV_SYN, SYN_REPORT, 0});
  Require(keys.Held.empty(), "no key is held once every button is up");
  return 0;
}
