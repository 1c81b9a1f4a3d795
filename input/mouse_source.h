// Where the adapters' mouse reports come from: the kernel's input event
// nodes on Linux, injected reports in simulation. A source never takes the
// mouse away from other applications: it only listens.
//
// The program is single-threaded: the owner waits on Fds() in its own event
// loop (GLib's in the panel, poll in vantorctl) and calls ReadReady for a
// descriptor that became readable.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "device/gun_device.h"
#include "input/mouse_report.h"

namespace vantor {

class MouseSource {
 public:
  virtual ~MouseSource() = default;

  // Listens to the mice of these adapters from now on, and to no other;
  // called after every rebuild of the device list. Null entries are skipped.
  // What the old watches had not read yet is lost, releases too: the owner
  // lets go of every held key before (InputRouter::ReleaseHeldKeys).
  virtual void WatchAdapters(std::span<GunDevice* const> listed) = 0;

  // The descriptors to wait on for input. They change only in WatchAdapters
  // and when ReadReady gives up a descriptor.
  virtual const std::vector<int>& Fds() const = 0;

  // Reads what is ready on fd without blocking and hands each report to
  // handler, in order. False when fd is no longer watched (its device went
  // away, or it was never one of Fds()): the caller stops waiting on it. A
  // mouse that went away ends with handler.OnReportsEnd.
  // The handler must not call WatchAdapters: a rebuild of the device list
  // belongs after ReadReady has returned.
  virtual bool ReadReady(int fd, MouseReportHandler& handler) = 0;

  // The adapters whose mouse cannot be listened to, one sentence each, as of
  // the last WatchAdapters.
  virtual const std::vector<std::string>& Problems() const = 0;
};

}  // namespace vantor
