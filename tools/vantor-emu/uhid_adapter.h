// An emulated adapter on the kernel's uhid interface: the kernel sees a USB
// HID device with the adapter's IDs and descriptor, makes its hidraw and
// input nodes, and forwards every feature report request here. A thread of
// this object answers them, because an unanswered request blocks its reader
// for 5 s and then fails.
#pragma once

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "device/linux/unique_fd.h"
#include "device/settings_report.h"
#include "tools/vantor-emu/mouse_input_report.h"

namespace vantor::emu {

struct EmulatorOptions {
  // Report 2 as the adapter holds it at power-on: the profile defaults.
  SettingsReport Initial = EncodeSettingsReport(ProfileDefaultSettings());
  // When set, the memory comes from this file if it holds a report and every
  // accepted submit is written to it.
  std::filesystem::path StateFile;
  // Tells this adapter's sysfs entries from those of other emulators;
  // a unique one is made when empty.
  std::string Uniq;
};

// What the kernel is told to do with a feature report request.
struct Faults {
  bool RefuseGet = false;
  bool RefuseSet = false;
  // Bytes answered to a read of report 2; fewer than 42 imitates a device
  // that drops the report ID.
  std::size_t ReplyLength = kSettingsReportSize;
  // The next request is answered by pulling the plug instead.
  bool UnplugOnNextRequest = false;
};

// Opens /dev/uhid; -1 and the system's reason on failure.
int OpenUhid(std::string& error);

class UhidAdapter {
 public:
  // Takes over fd: /dev/uhid, or a test's stand-in that speaks the same
  // messages. Nothing is sent before Plug.
  UhidAdapter(int fd, EmulatorOptions options);
  ~UhidAdapter();  // unplugs, stops serving, closes fd
  UhidAdapter(const UhidAdapter&) = delete;
  UhidAdapter& operator=(const UhidAdapter&) = delete;

  // Creates the device and starts answering its requests.
  bool Plug(std::string& error);
  // Destroys the device, as pulling the cable would; Plug may follow.
  bool Unplug();
  bool Plugged() const { return m_plugged; }

  bool SendMouse(const MouseInputReport& report);

  void SetFaults(const Faults& faults);
  SettingsReport Stored() const;
  // Every set request for report 2 in arrival order, exactly as received,
  // accepted or not.
  std::vector<std::vector<std::uint8_t>> ReceivedSubmits() const;
  const std::string& Uniq() const { return m_uniq; }
  // The first error met writing the state file, if any.
  std::string StateError() const;

 private:
  struct Event;
  bool Write(const Event& event);
  void Serve();
  void Answer(const Event& request);

  UniqueFd m_fd;
  UniqueFd m_stopFd;  // eventfd that ends Serve
  std::string m_uniq;
  std::filesystem::path m_stateFile;
  std::atomic<bool> m_plugged{false};
  std::thread m_server;

  mutable std::mutex m_writeLock;  // one message at a time on m_fd
  mutable std::mutex m_stateLock;  // what follows
  SettingsReport m_stored;
  Faults m_faults;
  std::vector<std::vector<std::uint8_t>> m_submits;
  std::string m_stateError;
};

}  // namespace vantor::emu
