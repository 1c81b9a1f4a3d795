#include "panel/panel_backends.h"

#include "device/linux/hidraw_bus.h"
#include "device/simulated_hid_bus.h"
#include "input/linux/evdev_mouse_source.h"
#include "input/linux/uinput_keyboard.h"

namespace vantor {

PanelBackends MakePanelBackends(const PanelCommandLine& options) {
  PanelBackends backends;
  auto keyboard = std::make_unique<UinputKeyboard>();
  if (!keyboard->KeyPressesOn()) backends.Problems.push_back(keyboard->Problem());
  backends.Keys = std::move(keyboard);
  if (options.Simulate) {
    backends.Bus = std::make_unique<SimulatedHidBus>(*options.Simulate, options.StateFile);
    auto mice = std::make_unique<SimulatedMouseSource>();
    backends.SimulatedMice = mice.get();
    backends.Mice = std::move(mice);
  } else {
    backends.Bus = std::make_unique<HidrawBus>();
    backends.Mice = std::make_unique<EvdevMouseSource>();
  }
  return backends;
}

}  // namespace vantor
