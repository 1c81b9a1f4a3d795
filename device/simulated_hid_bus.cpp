#include "device/simulated_hid_bus.h"

#include <algorithm>
#include <charconv>

#include "device/adapter_facts.h"
#include "device/settings_state_file.h"

namespace vantor {

std::optional<std::size_t> ParseSimulatedAdapterCount(std::string_view text) {
  std::size_t count = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (ec != std::errc() || end != text.data() + text.size() || count > kMaxEntries)
    return std::nullopt;
  return count;
}

SimulatedHidBus::SimulatedHidBus(std::size_t adapterCount,
                                 std::filesystem::path stateFile)
    : m_stateFile(std::move(stateFile)) {
  const SettingsReport defaults = EncodeSettingsReport(ProfileDefaultSettings());
  for (std::size_t i = 0; i < adapterCount; ++i) {
    SimulatedAdapter adapter;
    adapter.Path = "sim://adapter" + std::to_string(i + 1);
    adapter.Stored = defaults;
    m_adapters.push_back(adapter);
  }
  if (!m_stateFile.empty()) LoadState();
}

bool SimulatedHidBus::Enumerate(std::vector<HidCollectionInfo>& collections) {
  collections.clear();
  if (m_enumerationFails) return false;
  for (const SimulatedAdapter& adapter : m_adapters) {
    collections.push_back({adapter.Path, kAdapterVendorId, kAdapterProductId,
                           kMouseUsagePage, kMouseUsage});
    collections.push_back({adapter.Path, kAdapterVendorId, kAdapterProductId,
                           kSettingsUsagePage, kSettingsUsage});
  }
  collections.insert(collections.end(), m_extraCollections.begin(),
                     m_extraCollections.end());
  return true;
}

void SimulatedHidBus::AddCollection(HidCollectionInfo collection) {
  m_extraCollections.push_back(std::move(collection));
}

HidHandle SimulatedHidBus::Open(const std::string& path, int* error) {
  m_openedPaths.push_back(path);
  auto adapter = std::find_if(m_adapters.begin(), m_adapters.end(),
                              [&](const auto& a) { return a.Path == path; });
  if (adapter != m_adapters.end() && adapter->OpenFailure != 0) {
    if (error) *error = adapter->OpenFailure;
    return kInvalidHandle;
  }
  const HidHandle handle = m_nextHandle++;
  m_open[handle] = path;
  return handle;
}

SimulatedAdapter* SimulatedHidBus::AdapterOf(HidHandle handle) {
  auto open = m_open.find(handle);
  if (open == m_open.end()) return nullptr;
  for (SimulatedAdapter& adapter : m_adapters)
    if (adapter.Path == open->second) return &adapter;
  return nullptr;
}

int SimulatedHidBus::GetFeature(HidHandle handle,
                                std::span<std::uint8_t> report) {
  SimulatedAdapter* adapter = AdapterOf(handle);
  if (!adapter || adapter->RefuseGet || report.empty() ||
      report[0] != kSettingsReportId)
    return -1;
  const std::size_t n = std::min({report.size(), adapter->Stored.size(),
                                  static_cast<std::size_t>(std::max(adapter->ReplyLength, 0))});
  std::copy_n(adapter->Stored.begin(), n, report.begin());
  return static_cast<int>(n);
}

bool SimulatedHidBus::SetFeature(HidHandle handle,
                                 std::span<const std::uint8_t> report) {
  SimulatedAdapter* adapter = AdapterOf(handle);
  if (!adapter || adapter->RefuseSet || report.size() != kSettingsReportSize ||
      report[0] != kSettingsReportId)
    return false;
  std::copy(report.begin(), report.end(), adapter->Stored.begin());
  SaveState();
  return true;
}

void SimulatedHidBus::Close(HidHandle handle) { m_open.erase(handle); }

// Adapters beyond the file's lines, and lines that do not parse, keep the
// defaults.
void SimulatedHidBus::LoadState() {
  const auto lines = ReadSettingsStateFile(m_stateFile);
  for (std::size_t i = 0; i < lines.size() && i < m_adapters.size(); ++i)
    if (lines[i]) m_adapters[i].Stored = *lines[i];
}

void SimulatedHidBus::SaveState() {
  if (m_stateFile.empty()) return;
  std::vector<SettingsReport> reports;
  for (const SimulatedAdapter& adapter : m_adapters) reports.push_back(adapter.Stored);
  std::string error;
  if (!WriteSettingsStateFile(m_stateFile, reports, error) && m_stateError.empty())
    m_stateError = error;
}

}  // namespace vantor
