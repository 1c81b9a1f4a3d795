#include "tools/vantorctl/backends.h"

#include "device/linux/hidraw_bus.h"
#include "device/simulated_hid_bus.h"
#include "input/linux/evdev_mouse_source.h"
#include "input/linux/uinput_keyboard.h"
#include "input/simulated_mouse_source.h"

namespace vantor::cli {

std::unique_ptr<HidBus> MakeBus(const GlobalOptions& options) {
  if (options.Simulate) return std::make_unique<SimulatedHidBus>(*options.Simulate, options.StateFile);
  return std::make_unique<HidrawBus>();
}

std::unique_ptr<MouseSource> MakeMice(bool simulated) {
  if (simulated) return std::make_unique<SimulatedMouseSource>();
  return std::make_unique<EvdevMouseSource>();
}

std::unique_ptr<KeySink> MakeKeyboard(std::string& problem) {
  auto keyboard = std::make_unique<UinputKeyboard>();
  if (!keyboard->KeyPressesOn()) problem = keyboard->Problem();
  return keyboard;
}

}  // namespace vantor::cli
