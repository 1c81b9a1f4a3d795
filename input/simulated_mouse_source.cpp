#include "input/simulated_mouse_source.h"

#include <algorithm>

namespace vantor {

void SimulatedMouseSource::WatchAdapters(std::span<GunDevice* const> listed) {
  m_watched.clear();
  for (const GunDevice* gun : listed)
    if (gun && !gun->DevicePath.empty()) m_watched.push_back(gun->DevicePath);
}

bool SimulatedMouseSource::Inject(std::string_view devicePath, std::uint16_t flags,
                                  MouseReportHandler& handler) const {
  const auto watched = std::find(m_watched.begin(), m_watched.end(), devicePath);
  if (watched == m_watched.end()) return false;
  handler.OnRawMouseInput({flags, *watched});
  return true;
}

bool SimulatedMouseSource::Unplug(std::string_view devicePath, MouseReportHandler& handler) {
  const auto watched = std::find(m_watched.begin(), m_watched.end(), devicePath);
  if (watched == m_watched.end()) return false;
  const std::string gone = *watched;
  m_watched.erase(watched);
  handler.OnReportsEnd(gone);
  return true;
}

}  // namespace vantor
