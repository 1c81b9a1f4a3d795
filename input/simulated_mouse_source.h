// The mice of simulated adapters: they have no event node, so their reports
// are injected (by the panel's "Simulated gun" window, or by tests) and then
// take the same way through the routing as a real adapter's.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "input/mouse_source.h"

namespace vantor {

class SimulatedMouseSource final : public MouseSource {
 public:
  void WatchAdapters(std::span<GunDevice* const> listed) override;
  const std::vector<std::string>& Problems() const override { return m_noProblems; }

  // One report of the adapter at devicePath ("sim://adapter1"), handed to
  // handler at once. Like a real mouse that is not listened to, an adapter
  // that is not watched sends nothing: false then.
  bool Inject(std::string_view devicePath, std::uint16_t flags,
              MouseReportHandler& handler) const;
  // The adapter's mouse goes away, as a real one does when its cable is
  // pulled: it is no longer watched, and handler learns that its reports
  // end. False when it was not watched.
  bool Unplug(std::string_view devicePath, MouseReportHandler& handler);

 private:
  std::vector<std::string> m_watched;
  std::vector<std::string> m_noProblems;
};

}  // namespace vantor
