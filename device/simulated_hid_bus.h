// Virtual adapters for the demo, the tests and anyone without the hardware.
// Each adapter shows a mouse collection and then its settings collection on
// one path, as the Linux kernel does, and keeps report 2 in its memory; with
// a state file that memory survives a restart, like the adapter's own.
#pragma once

#include <cstddef>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "device/hid_bus.h"
#include "device/settings_report.h"

namespace vantor {

struct SimulatedAdapter {
  std::string Path;
  SettingsReport Stored{};
  // Failure injection.
  int OpenFailure = 0;   // an error number: Open fails with it
  bool RefuseGet = false;
  bool RefuseSet = false;
  int ReplyLength = static_cast<int>(kSettingsReportSize);  // bytes answered
};

// The number of simulated adapters a command line asks for, 0 to 8 (more
// than four can never all be listed, but up to eight show the entry limit);
// nothing for any other text.
std::optional<std::size_t> ParseSimulatedAdapterCount(std::string_view text);

class SimulatedHidBus final : public HidBus {
 public:
  // adapterCount adapters with the profile defaults, or with what stateFile
  // holds for them when it exists.
  explicit SimulatedHidBus(std::size_t adapterCount,
                           std::filesystem::path stateFile = {});

  bool Enumerate(std::vector<HidCollectionInfo>& collections) override;
  HidHandle Open(const std::string& path, int* error) override;
  int GetFeature(HidHandle handle, std::span<std::uint8_t> report) override;
  bool SetFeature(HidHandle handle,
                  std::span<const std::uint8_t> report) override;
  void Close(HidHandle handle) override;

  std::vector<SimulatedAdapter>& Adapters() { return m_adapters; }
  // Collections listed after the adapters', such as other HID devices.
  void AddCollection(HidCollectionInfo collection);
  void SetEnumerationFails(bool fails) { m_enumerationFails = fails; }

  // Every path opened so far, in order, and the handles still open.
  const std::vector<std::string>& OpenedPaths() const { return m_openedPaths; }
  std::size_t OpenHandleCount() const { return m_open.size(); }

  // The first error met while reading or writing the state file, if any.
  const std::string& StateError() const { return m_stateError; }

 private:
  SimulatedAdapter* AdapterOf(HidHandle handle);
  void LoadState();
  void SaveState();

  std::vector<SimulatedAdapter> m_adapters;
  std::vector<HidCollectionInfo> m_extraCollections;
  std::map<HidHandle, std::string> m_open;  // handle -> path
  std::vector<std::string> m_openedPaths;
  HidHandle m_nextHandle = 1;
  bool m_enumerationFails = false;
  std::filesystem::path m_stateFile;
  std::string m_stateError;
};

}  // namespace vantor
