#include "panel/panel_controller.h"

#include "device/listed_adapters.h"
#include "device/settings_report.h"
#include "profiles/profile_file.h"
#include "profiles/profile_folder.h"
#include "panel/panel_messages.h"

namespace vantor {

PanelController::PanelController(HidBus& bus, MouseSource& mice, KeySink& keys, PanelView& view,
                                 std::optional<std::filesystem::path> profilesFolder)
    : m_bus(bus),
      m_mice(mice),
      m_view(view),
      m_router(*this, keys),
      m_profilesFolder(std::move(profilesFolder)) {}

PanelController::~PanelController() { ReleaseTable(); }

void PanelController::Start() {
  Discover();
  {
    std::lock_guard lock(m_router.DeviceLock());
    FillDeviceList();
  }
  FillProfileCombo();
  ListenTo(m_deviceList);
}

// The old watches end with whatever they had not read, releases too: the
// keys go up before.
void PanelController::ListenTo(std::span<GunDevice* const> adapters) {
  m_router.ReleaseHeldKeys();
  m_mice.WatchAdapters(adapters);
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

// The translator remembers what it pressed, so this works while the
// entries go as well.
void PanelController::ReleaseTable() {
  m_router.ReleaseHeldKeys();
  FreeDeviceTable(m_bus, m_table);
}

void PanelController::OnSelchangeDeviceList(int selected) {
  GunDevice* const old = m_table.CurrentDevice;
  {
    std::lock_guard lock(m_router.DeviceLock());
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
    std::lock_guard lock(m_router.DeviceLock());
    EmptyDeviceList();
    ReleaseTable();
  }
  Discover();
  {
    std::lock_guard lock(m_router.DeviceLock());
    FillDeviceList();
  }
  m_view.RefillPages();
  ListenTo(m_deviceList);
}

void PanelController::OnExit() { ListenTo({}); }

void PanelController::EnsureProfilesFolder() {
  if (m_profilesFolder && !ProfilesFolderExists(*m_profilesFolder))
    CreateProfilesFolder(*m_profilesFolder);
}

void PanelController::FillProfileCombo() {
  m_profileNames.clear();
  if (m_profilesFolder && ProfilesFolderExists(*m_profilesFolder))
    m_profileNames = ListProfiles(*m_profilesFolder);
  else
    EnsureProfilesFolder();
  for (const std::string& name : m_profileNames) m_view.AppendProfile(ProfileDisplayName(name));
  // Shows the first name without loading it: only the user's choice loads.
  m_view.SelectProfile(0);
}

void PanelController::OnSelchangeProfile(int selected) {
  GunDevice* const current = m_table.CurrentDevice;
  if (!current || !m_profilesFolder || selected < 0 ||
      static_cast<std::size_t>(selected) >= m_profileNames.size())
    return;
  const auto path =
      ListedProfilePath(*m_profilesFolder, m_profileNames[static_cast<std::size_t>(selected)]);
  if (!path) return;
  // An unreadable file gives every field its default, as a missing one does.
  LoadProfile(*path, current->Settings);
  m_view.RefillPages();
}

void PanelController::OnSaveProfileAs() {
  GunDevice* const current = m_table.CurrentDevice;
  if (!current) {
    m_view.ShowMessage({panel_text::kErrorCaption, std::string(panel_text::kNoProfileDeviceText),
                        MessageIcon::Stop});
    return;
  }
  EnsureProfilesFolder();
  const auto chosen = m_view.ChooseProfileToSave(m_profilesFolder.value_or(std::filesystem::path()));
  if (!chosen) return;
  m_view.StorePagesToDevice();
  std::string reason;
  if (!SaveProfile(*chosen, current->Settings, &reason))
    m_view.ShowMessage({panel_text::kErrorCaption,
                        panel_text::ProfileNotSaved(chosen->string(), reason), MessageIcon::Stop});
  m_view.ClearProfiles();
  FillProfileCombo();
}

void PanelController::SetStandingDiagnostics(std::vector<std::string> lines) {
  m_standingDiagnostics = std::move(lines);
  ShowDiagnostics();
}

void PanelController::ShowDiagnostics() {
  std::vector<std::string> lines;
  for (const DeviceProblem& problem : m_problems) lines.push_back(DescribeProblem(problem));
  lines.insert(lines.end(), m_mice.Problems().begin(), m_mice.Problems().end());
  lines.insert(lines.end(), m_standingDiagnostics.begin(), m_standingDiagnostics.end());
  m_view.ShowDiagnostics(lines);
}

}  // namespace vantor
