// Where the adapters' mouse reports come from: the kernel's input event
// nodes on Linux, Raw Input on Windows, injected reports in simulation. A
// source never takes the mouse away from other applications: it only
// listens.
//
// The program is single-threaded and waits for reports in its own loop,
// which takes them from a source in the source's own way:
// - a descriptor-driven source (evdev) hands out descriptors; the loop waits
//   on them (GLib's in the panel, poll in vantorctl) and calls ReadReady for
//   one that became readable;
// - a message-driven source (Raw Input) is given a window, to which the
//   system then sends a message per report; the window procedure hands
//   every message to the source.
// A simulated source is neither: its reports are injected.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "device/gun_device.h"
#include "input/mouse_report.h"

namespace vantor {

class DescriptorInput {
 public:
  virtual ~DescriptorInput() = default;

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
};

class WindowMessageInput {
 public:
  virtual ~WindowMessageInput() = default;

  // From now on the system sends window (the native handle of the
  // program's window, an HWND) a message for every mouse report. A refusal
  // is among Problems().
  virtual void ListenOn(void* window) = 0;

  // One message of that window, as its window procedure got it. A mouse
  // report of a watched adapter goes to handler, and a watched mouse that
  // went away ends with handler.OnReportsEnd; the handler must not call
  // WatchAdapters. True when the message was the source's. The window
  // procedure passes every message on as usual afterwards: the mouse input
  // itself reaches the applications unchanged.
  virtual bool OnWindowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam,
                               MouseReportHandler& handler) = 0;
};

class MouseSource {
 public:
  virtual ~MouseSource() = default;

  // Listens to the mice of these adapters from now on, and to no other;
  // called after every rebuild of the device list. Null entries are skipped.
  // What the old watches had not read yet is lost, releases too: the owner
  // lets go of every held key before (InputRouter::ReleaseHeldKeys).
  virtual void WatchAdapters(std::span<GunDevice* const> listed) = 0;

  // The adapters whose mouse cannot be listened to, one sentence each, as of
  // the last WatchAdapters.
  virtual const std::vector<std::string>& Problems() const = 0;

  // How the reports reach the program's loop: a source returns itself from
  // one of these, or null from both when its reports are injected.
  virtual DescriptorInput* Descriptors() { return nullptr; }
  virtual WindowMessageInput* WindowMessages() { return nullptr; }
};

}  // namespace vantor
