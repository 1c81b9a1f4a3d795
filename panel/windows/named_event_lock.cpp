// The instance name is a named event in the global kernel namespace, shared
// by every logon of the machine; the system removes it with its last handle,
// so a crashed panel leaves nothing behind. Only its existence matters: it
// is never signalled or waited on.
#include <windows.h>

#include <string>

#include "panel/instance_lock.h"

namespace vantor {
namespace {

class NamedEventLock final : public InstanceLock {
 public:
  explicit NamedEventLock(HANDLE event) : m_event(event) {}
  ~NamedEventLock() override { ::CloseHandle(m_event); }
  NamedEventLock(const NamedEventLock&) = delete;
  NamedEventLock& operator=(const NamedEventLock&) = delete;

 private:
  HANDLE m_event;
};

}  // namespace

std::unique_ptr<InstanceLock> AcquireInstanceLock(std::string_view name) {
  if (name.empty()) return nullptr;
  const std::string globalName = "Global\\" + std::string(name);
  const HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, globalName.c_str());
  // Read at once: the close below would overwrite it.
  const DWORD error = ::GetLastError();
  if (!event) return nullptr;
  if (error == ERROR_ALREADY_EXISTS) {  // another panel runs
    ::CloseHandle(event);
    return nullptr;
  }
  return std::make_unique<NamedEventLock>(event);
}

}  // namespace vantor
