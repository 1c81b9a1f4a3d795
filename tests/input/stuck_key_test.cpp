// The worst bug is a key left held in a game. Random button and wheel
// reports from two adapters, with random remaps (shared keys, nil, codes
// without a key): whenever every button is up and each adapter's last
// report had no wheel movement, no key may be held.
#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "device/discovery.h"
#include "device/listed_adapters.h"
#include "device/simulated_hid_bus.h"
#include "input/button_flags.h"
#include "input/input_router.h"
#include "tests/input/recording_key_sink.h"

namespace vantor {
namespace {

struct GunState {
  std::array<bool, kMouseButtonCount> Pressed{};
  bool LastHadWheel = false;
  bool Quiet() const {
    for (bool pressed : Pressed)
      if (pressed) return false;
    return !LastHadWheel;
  }
};

// A report as a mouse can send it: a button goes down only while up, and up
// only while down; any of them may change together, with or without wheel.
std::uint16_t RandomReport(GunState& gun, std::mt19937& random) {
  std::uint16_t flags = 0;
  // Releases come sooner than presses, so that all-up moments are common.
  std::bernoulli_distribution press(0.15), release(0.5), wheel(0.25);
  for (std::size_t b = 1; b <= kMouseButtonCount; ++b) {
    bool& pressed = gun.Pressed[b - 1];
    if (!(pressed ? release : press)(random)) continue;
    flags |= pressed ? ButtonUpFlag(b) : ButtonDownFlag(b);
    pressed = !pressed;
  }
  if (wheel(random)) flags |= ButtonFlags::Wheel;
  gun.LastHadWheel = (flags & ButtonFlags::Wheel) != 0;
  return flags;
}

TEST(StuckKeyTest, NothingHeldOnceAllIsReleased) {
  SimulatedHidBus bus(2);
  DeviceTable table;
  ASSERT_TRUE(DiscoverDevices(bus, table));
  const std::vector<GunDevice*> adapters = ListedAdapters(table);
  FixedDeviceList list(adapters, adapters[0]);
  RecordingKeySink keys;
  InputRouter router(list, keys);

  std::mt19937 random(20240607);
  // Few distinct keys so that buttons and adapters share them often; 0, 62
  // and 100 send nothing.
  const std::array<std::uint8_t, 7> codes = {0, 10, 35, 36, 1, 62, 100};
  std::uniform_int_distribution<std::size_t> pickCode(0, codes.size() - 1), pickGun(0, 1);
  for (GunDevice* gun : adapters)
    for (ByteField remap : kButtonRemapFields) gun->Settings.*remap = codes[pickCode(random)];

  std::array<GunState, 2> guns;
  std::size_t quietMoments = 0;
  for (int i = 0; i < 100000; ++i) {
    const std::size_t g = pickGun(random);
    router.OnRawMouseInput({RandomReport(guns[g], random), adapters[g]->DevicePath});
    if (guns[0].Quiet() && guns[1].Quiet()) {
      ++quietMoments;
      ASSERT_TRUE(keys.Held.empty()) << "after report " << i;
    }
  }

  // Release everything, then one report without wheel from each adapter.
  for (std::size_t g = 0; g < guns.size(); ++g) {
    std::uint16_t ups = 0;
    for (std::size_t b = 1; b <= kMouseButtonCount; ++b)
      if (guns[g].Pressed[b - 1]) ups |= ButtonUpFlag(b);
    router.OnRawMouseInput({ups, adapters[g]->DevicePath});
    router.OnRawMouseInput({0, adapters[g]->DevicePath});
  }
  EXPECT_TRUE(keys.Held.empty());
  EXPECT_GT(keys.Downs, 10000u);
  EXPECT_GT(quietMoments, 1000u);
  FreeDeviceTable(bus, table);
}

}  // namespace
}  // namespace vantor
