// Routes each mouse report of a listened-to mouse: to the pressed-button
// display when it comes from the current device, and to the translator, with
// the sending adapter's own remaps, when it comes from any listed adapter.
// Reports of other mice change nothing.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>

#include "device/gun_device.h"
#include "input/button_translator.h"
#include "input/device_list_view.h"
#include "input/key_sink.h"
#include "input/mouse_report.h"

namespace vantor {

class InputRouter final : public MouseReportHandler {
 public:
  // Both are kept by reference and must outlive the router, which releases
  // the keys still held as it goes.
  InputRouter(const DeviceListView& devices, KeySink& keys);

  // The Buttons Mapping page's UpdatePressedButtons; called with the flags
  // of every report of the current device, before the translator sees it,
  // so that it reads the device's WheelHeld from before the report.
  void SetPressedButtonsDisplay(std::function<void(std::uint16_t flags)> display);

  // Held by the panel while it fills or empties its device list and while
  // it switches the current device, and by the routing while it consults
  // the list. Recursive: all holders share the one thread.
  std::recursive_mutex& DeviceLock() { return m_deviceLock; }

  // Display step outside the lock, then lookup and translation under it.
  // No allocation and no system call of its own.
  void OnRawMouseInput(const MouseReport& report) override;
  // The keys still held for that listed adapter go up.
  void OnReportsEnd(std::string_view source) override;

  // Every key still held for any adapter goes up. Before anything that
  // stops the adapters' reports or lets their entries go: a rebuild of the
  // device list, watching the mice afresh, the end of the program.
  void ReleaseHeldKeys();

  bool IsFromCurrentDevice(const MouseReport& report) const;
  // The first listed adapter the report came from, or null; null as well
  // while there is no current device.
  GunDevice* FindListedGun(const MouseReport& report) const;

 private:
  const DeviceListView& m_devices;
  ButtonTranslator m_translator;
  std::function<void(std::uint16_t)> m_display;
  std::recursive_mutex m_deviceLock;
};

}  // namespace vantor
