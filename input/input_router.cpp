#include "input/input_router.h"

#include "input/button_translator.h"

namespace vantor {
namespace {

bool CameFrom(const MouseReport& report, const GunDevice& gun) {
  return !report.Source.empty() && report.Source == gun.DevicePath;
}

}  // namespace

InputRouter::InputRouter(const DeviceListView& devices, KeySink& keys)
    : m_devices(devices), m_keys(keys) {}

void InputRouter::SetPressedButtonsDisplay(
    std::function<void(std::uint16_t flags)> display) {
  m_display = std::move(display);
}

bool InputRouter::IsFromCurrentDevice(const MouseReport& report) const {
  const GunDevice* current = m_devices.CurrentDevice();
  return current && CameFrom(report, *current);
}

GunDevice* InputRouter::FindListedGun(const MouseReport& report) const {
  if (!m_devices.CurrentDevice()) return nullptr;
  for (GunDevice* gun : m_devices.ListedDevices())
    if (gun && CameFrom(report, *gun)) return gun;
  return nullptr;
}

void InputRouter::OnRawMouseInput(const MouseReport& report) {
  if (m_display && IsFromCurrentDevice(report)) m_display(report.Flags);

  std::lock_guard lock(m_deviceLock);
  if (m_devices.ListedDevices().empty()) return;
  if (GunDevice* gun = FindListedGun(report)) TranslateButtons(report.Flags, *gun, m_keys);
}

}  // namespace vantor
