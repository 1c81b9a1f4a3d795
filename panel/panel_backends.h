// The backends the panel runs on: the platform's own adapters, mice and
// keyboard, or simulated adapters with their mice when the command line
// asks for them. Made in one place per platform (linux/panel_backends.cpp).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "device/hid_bus.h"
#include "input/key_sink.h"
#include "input/mouse_source.h"
#include "input/simulated_mouse_source.h"
#include "panel/panel_options.h"

namespace vantor {

struct PanelBackends {
  std::unique_ptr<HidBus> Bus;
  std::unique_ptr<MouseSource> Mice;
  std::unique_ptr<KeySink> Keys;  // one keyboard for the program's life
  // Set on simulated adapters: the "Simulated gun" window injects here.
  SimulatedMouseSource* SimulatedMice = nullptr;
  // Why some of the panel cannot work (key presses off), one sentence each.
  std::vector<std::string> Problems;
};

PanelBackends MakePanelBackends(const PanelCommandLine& options);

}  // namespace vantor
