#include "input/input_router.h"

namespace vantor {
namespace {

bool CameFrom(std::string_view source, const GunDevice& gun) {
  return !source.empty() && source == gun.DevicePath;
}

}  // namespace

InputRouter::InputRouter(const DeviceListView& devices, KeySink& keys)
    : m_devices(devices), m_translator(keys) {}

void InputRouter::SetPressedButtonsDisplay(
    std::function<void(std::uint16_t flags)> display) {
  m_display = std::move(display);
}

bool InputRouter::IsFromCurrentDevice(const MouseReport& report) const {
  const GunDevice* current = m_devices.CurrentDevice();
  return current && CameFrom(report.Source, *current);
}

GunDevice* InputRouter::FindListedGun(const MouseReport& report) const {
  if (!m_devices.CurrentDevice()) return nullptr;
  for (GunDevice* gun : m_devices.ListedDevices())
    if (gun && CameFrom(report.Source, *gun)) return gun;
  return nullptr;
}

void InputRouter::OnRawMouseInput(const MouseReport& report) {
  if (m_display && IsFromCurrentDevice(report)) m_display(report.Flags);

  std::lock_guard lock(m_deviceLock);
  if (m_devices.ListedDevices().empty()) return;
  if (GunDevice* gun = FindListedGun(report)) m_translator.TranslateButtons(report.Flags, *gun);
}

void InputRouter::OnReportsEnd(std::string_view source) {
  std::lock_guard lock(m_deviceLock);
  // Not FindListedGun: the keys go up whether or not a device is current.
  for (GunDevice* gun : m_devices.ListedDevices())
    if (gun && CameFrom(source, *gun)) m_translator.ReleaseHeldKeys(*gun);
}

void InputRouter::ReleaseHeldKeys() {
  std::lock_guard lock(m_deviceLock);
  m_translator.ReleaseAllHeldKeys();
}

}  // namespace vantor
