#include "panel/panel_controller.h"

#include "device/listed_adapters.h"
#include "device/settings_report.h"
#include "panel/panel_messages.h"

namespace vantor {

PanelController::PanelController(HidBus& bus, PanelView& view) : m_bus(bus), m_view(view) {}

PanelController::~PanelController() { ReleaseTable(); }

void PanelController::Start() {
  Discover();
  {
    std::lock_guard lock(m_deviceLock);
    FillDeviceList();
  }
  ShowDiagnostics();
  if (m_onDeviceList) m_onDeviceList();
}

void PanelController::Discover() {
  m_problems.clear();
  // A failed or empty discovery leaves no entry, so the list stays empty.
  DiscoverDevices(m_bus, m_table, &m_problems);
}

void PanelController::FillDeviceList() {
  m_deviceList = ListedAdapters(m_table);
  for (std::size_t i = 0; i < m_deviceList.size(); ++i)
    m_view.AppendDevice(AdapterDisplayName(i + 1));
  if (!m_deviceList.empty()) {
    m_view.SelectDevice(0);
    m_table.CurrentDevice = m_deviceList.front();
  }
}

void PanelController::EmptyDeviceList() {
  m_deviceList.clear();
  m_view.ClearDeviceList();
}

void PanelController::ReleaseTable() { FreeDeviceTable(m_bus, m_table); }

void PanelController::OnSelchangeDeviceList(int selected) {
  GunDevice* const old = m_table.CurrentDevice;
  {
    std::lock_guard lock(m_deviceLock);
    if (m_deviceList.empty() || selected < 0 ||
        static_cast<std::size_t>(selected) >= m_deviceList.size())
      return;
    m_view.StorePagesToDevice();
    m_table.CurrentDevice = m_deviceList[static_cast<std::size_t>(selected)];
  }
  if (m_table.CurrentDevice != old) m_view.RefillPages();
}

void PanelController::OnSubmitSettings() {
  if (!m_table.CurrentDevice) {
    m_view.ShowMessage({panel_text::kNoDeviceCaption, std::string(panel_text::kNoDeviceText)});
    return;
  }
  m_view.StorePagesToDevice();
  if (!WriteSettingsReport(m_bus, *m_table.CurrentDevice))
    m_view.ShowMessage({panel_text::kSubmitErrorCaption, std::string(panel_text::kSubmitErrorText)});
}

void PanelController::OnRefresh() {
  {
    // The input path must not see entries that are about to go.
    std::lock_guard lock(m_deviceLock);
    EmptyDeviceList();
    ReleaseTable();
  }
  Discover();
  {
    std::lock_guard lock(m_deviceLock);
    FillDeviceList();
  }
  m_view.RefillPages();
  ShowDiagnostics();
  if (m_onDeviceList) m_onDeviceList();
}

void PanelController::SetStandingDiagnostics(std::vector<std::string> lines) {
  m_standingDiagnostics = std::move(lines);
  ShowDiagnostics();
}

void PanelController::ShowDiagnostics() {
  std::vector<std::string> lines;
  for (const DeviceProblem& problem : m_problems) lines.push_back(DescribeProblem(problem));
  lines.insert(lines.end(), m_standingDiagnostics.begin(), m_standingDiagnostics.end());
  m_view.ShowDiagnostics(lines);
}

}  // namespace vantor
