// At most one panel per machine, for every user together. The name is held
// for as long as the lock object lives and is freed by the system when the
// holder dies, so a crashed panel never blocks the next start.
#pragma once

#include <memory>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kInstanceName = "vantor_control_panel_mutex_event";

class InstanceLock {
 public:
  virtual ~InstanceLock() = default;
};

// The lock, or null when another process holds the name (or it cannot be
// taken, which counts the same: the new start ends quietly).
std::unique_ptr<InstanceLock> AcquireInstanceLock(std::string_view name = kInstanceName);

}  // namespace vantor
