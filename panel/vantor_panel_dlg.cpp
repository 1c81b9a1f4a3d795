#include "panel/vantor_panel_dlg.h"

#include <wx/app.h>

#include "pages/wx/about_dlg.h"
#include "pages/wx/app_icon.h"
#include "pages/wx/enter_escape_filter.h"
#include "pages/wx/property_tab_ctrl.h"
#include "pages/wx/template_window.h"
#include "panel/input_watch.h"
#include "panel/simulated_gun_dlg.h"
#include "panel/panel_messages.h"
#include "panel/tray_icon.h"
#include "pages/wx/wx_text.h"

namespace vantor {
namespace {

// The panel's window in dialog units; what GTK draws taller grows.
constexpr TemplateControl kPanelControls[] = {
    {kNoId, ControlKind::Label, panel_text::kDeviceListLabel, {4, 17, 70, 8}},
    {kIdPageTabs, ControlKind::Custom, "", {86, 18, 277, 194}},
    {IDC_DEVICE_LIST, ControlKind::Custom, "", {4, 26, 70, 82}},
    {IDC_SUBMIT_SETTINGS, ControlKind::DefaultButton, panel_text::kSubmitButton, {9, 127, 55, 14}},
    {IDC_EXIT, ControlKind::Button, panel_text::kExitButton, {9, 181, 55, 14}},
    {IDC_REFRESH, ControlKind::Button, panel_text::kRefreshButton, {9, 163, 55, 14}},
    // 46 units high on Windows, where the height includes the open list.
    {IDC_PROFILE_COMBO, ControlKind::Custom, "", {86, 3, 277, 12}},
    {kNoId, ControlKind::Label, panel_text::kProfilesLabel, {4, 5, 23, 8}},
    {IDC_SAVE_PROFILE_AS, ControlKind::Button, panel_text::kSaveProfileButton, {9, 145, 55, 14}},
};
constexpr DialogTemplate kPanelTemplate = {panel_text::kCaption, 370, 217, kPanelControls};
constexpr int kMargin = 4;  // dialog units around the problem sentences

wxString Caption(const PanelPlatform& platform) {
  std::string caption(panel_text::kCaption);
  if (platform.SimulatedMice) caption += panel_text::kSimulatedSuffix;
  return WxText(caption);
}

}  // namespace

CVantorPanelDlg::CVantorPanelDlg(PanelPlatform platform)
    : wxDialog(nullptr, wxID_ANY, Caption(platform), wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSYSTEM_MENU | wxCLOSE_BOX | wxMINIMIZE_BOX),
      m_platform(std::move(platform)),
      m_logic(m_platform.Bus, m_platform.Mice, m_platform.Keys, *this, m_platform.ProfilesFolder) {
  OnInitDialog();
}

CVantorPanelDlg::~CVantorPanelDlg() {
  if (m_trayIcon) m_trayIcon->RemoveIcon();
  // The reports must not reach the pages once they go, and the pages go
  // now, while the controller and the device table they read are still
  // there: wx would destroy them only after every member of this window.
  m_logic.SetPressedButtonsDisplay(nullptr);
  m_inputWatch.reset();
  DestroyChildren();
  m_pageTabs = nullptr;
  m_deviceList = nullptr;
  m_profileCombo = nullptr;
  m_diagnostics = nullptr;
}

void CVantorPanelDlg::OnInitDialog() {
  SetIcon(AppIcon());
  CreateControls();
  m_inputWatch = std::make_unique<CInputWatch>(m_platform.Mice, m_logic.InputHandler());
  m_logic.SetDeviceListObserver([this] { m_inputWatch->Rewatch(); });
  m_logic.SetStandingDiagnostics(m_platform.StandingDiagnostics);
  m_logic.Start();
  m_pageTabs->CreatePages();
  m_pageTabs->InsertTabs();
  m_pageTabs->ShowSelectedPage();
  m_logic.SetPressedButtonsDisplay(
      [this](std::uint16_t flags) { m_pageTabs->ButtonsMapPage().UpdatePressedButtons(flags); });
  m_pageTabs->InfoPage().SetAboutCommand([this] { RunAboutBox(this); });
  LayOut();
  if (WindowMessageInput* messages = m_platform.Mice.WindowMessages()) messages->ListenOn(GetHandle());

  m_trayIcon = std::make_unique<CTrayIcon>([this] { OnTrayToggle(); },
                                           [this] { RestoreFromTray(); }, [this] { OnExit(); });
  m_trayIcon->SetIcon(AppIcon(), WxText(panel_text::kTrayTooltip));

  Bind(wxEVT_LISTBOX, &CVantorPanelDlg::OnSelchangeDeviceList, this, IDC_DEVICE_LIST);
  Bind(wxEVT_BUTTON, &CVantorPanelDlg::OnSubmitSettings, this, IDC_SUBMIT_SETTINGS);
  Bind(wxEVT_BUTTON, &CVantorPanelDlg::OnRefresh, this, IDC_REFRESH);
  Bind(wxEVT_BUTTON, [this](wxCommandEvent&) { OnExit(); }, IDC_EXIT);
  Bind(wxEVT_COMBOBOX, &CVantorPanelDlg::OnSelchangeProfile, this, IDC_PROFILE_COMBO);
  Bind(wxEVT_BUTTON, &CVantorPanelDlg::OnSaveProfileAs, this, IDC_SAVE_PROFILE_AS);
  Bind(wxEVT_CLOSE_WINDOW, &CVantorPanelDlg::OnClose, this);
  Bind(wxEVT_ICONIZE, [this](wxIconizeEvent& event) {
    if (!event.IsIconized()) m_inTray = false;  // restored from the taskbar
    event.Skip();
  });
  SwallowEnterAndEscape(*this);
}

void CVantorPanelDlg::CreateControls() {
  m_layout.CreateControls(*this, kPanelTemplate);
  m_profileCombo = new wxComboBox(this, IDC_PROFILE_COMBO, wxEmptyString, wxDefaultPosition,
                                  wxDefaultSize, 0, nullptr, wxCB_DROPDOWN);
  m_deviceList = new wxListBox(this, IDC_DEVICE_LIST, wxDefaultPosition, wxDefaultSize, 0,
                               nullptr, wxLB_SINGLE | wxLB_ALWAYS_SB);
  m_pageTabs = new CPropertyTabCtrl(this, m_logic.Table(), kIdPageTabs);
  m_layout.Attach(IDC_PROFILE_COMBO, *m_profileCombo);
  m_layout.Attach(IDC_DEVICE_LIST, *m_deviceList);
  m_layout.Attach(kIdPageTabs, *m_pageTabs);
  m_diagnostics = new wxStaticText(this, wxID_ANY, wxEmptyString);
  m_diagnostics->SetForegroundColour(*wxRED);
  m_diagnostics->Hide();
}

// The problem sentences, when there are any, go under everything else and
// the window grows by them.
void CVantorPanelDlg::LayOut() {
  // The size grown for the sentences of an earlier layout must not count:
  // the window is measured from the template every time.
  SetMinClientSize(wxDefaultSize);
  m_layout.Place();
  const wxSize client(m_layout.Grown().Window.Width, m_layout.Grown().Window.Height);
  if (!m_diagnostics->IsShown()) {
    SetMinClientSize(client);
    SetClientSize(client);
    return;
  }
  const int margin = ConvertDialogToPixels(wxSize(kMargin, 0)).x;
  m_diagnostics->SetLabel(m_diagnostics->GetLabel());  // undo an earlier wrap
  m_diagnostics->Wrap(client.x - 2 * margin);
  m_diagnostics->SetSize(wxRect(wxPoint(margin, client.y), m_diagnostics->GetBestSize()));
  const wxSize grown(client.x, client.y + m_diagnostics->GetSize().y + margin);
  SetMinClientSize(grown);
  SetClientSize(grown);
}

void CVantorPanelDlg::OnSelchangeDeviceList(wxCommandEvent&) {
  m_logic.OnSelchangeDeviceList(m_deviceList->GetSelection());
}

void CVantorPanelDlg::OnSubmitSettings(wxCommandEvent&) { m_logic.OnSubmitSettings(); }

void CVantorPanelDlg::OnRefresh(wxCommandEvent&) { m_logic.OnRefresh(); }

void CVantorPanelDlg::OnSelchangeProfile(wxCommandEvent& event) {
  m_logic.OnSelchangeProfile(event.GetSelection());
  // GTK reports a choice only when it changes the combo's chosen entry: the
  // field keeps the name but no entry stays chosen, so choosing the same
  // profile again loads it again.
  const wxString shown = m_profileCombo->GetStringSelection();
  CallAfter([this, shown] { ShowProfileName(shown); });
}

void CVantorPanelDlg::ShowProfileName(const wxString& name) {
  m_profileCombo->ChangeValue(name);
  if (m_profileCombo->GetSelection() != wxNOT_FOUND) m_profileCombo->SetSelection(wxNOT_FOUND);
  m_profileCombo->ChangeValue(name);
}

void CVantorPanelDlg::OnSaveProfileAs(wxCommandEvent&) { m_logic.OnSaveProfileAs(); }

// Without a notification area a hidden panel could never be brought back,
// so the panel is minimised instead. A restore from the taskbar ends the
// tray state too (see the iconize handler), so the next close puts the panel
// away again.
void CVantorPanelDlg::OnTrayToggle() {
  if (!m_inTray)
    PutInTray();
  else
    RestoreFromTray();
}

void CVantorPanelDlg::PutInTray() {
  m_inTray = true;
  const bool canHide = CTrayIcon::HostAvailable() && m_trayIcon && m_trayIcon->IsIconInstalled();
  if (canHide)
    Hide();
  else
    Iconize(true);
}

void CVantorPanelDlg::RestoreFromTray() {
  m_inTray = false;
  Iconize(false);
  Show();
  Raise();
}

void CVantorPanelDlg::OnClose(wxCloseEvent& event) {
  if (!event.CanVeto()) {  // the session ends: go
    OnExit();
    return;
  }
  event.Veto();
  OnTrayToggle();
}

// The window goes only when the loop is idle again; the gun must not type
// in between, and nothing it holds may stay down.
void CVantorPanelDlg::OnExit() {
  m_logic.OnExit();
  if (m_trayIcon) m_trayIcon->RemoveIcon();
  Destroy();
}

void CVantorPanelDlg::ShowSimulatedGun() {
  if (!m_platform.SimulatedMice) return;
  auto* gun = new CSimulatedGunDlg(this, [this](std::uint16_t flags) { SendSimulatedReport(flags); });
  gun->SetPosition(GetScreenRect().GetBottomLeft());
  gun->Show();
}

void CVantorPanelDlg::SendSimulatedReport(std::uint16_t flags) {
  const GunDevice* current = m_logic.CurrentDevice();
  if (m_platform.SimulatedMice && current)
    m_platform.SimulatedMice->Inject(current->DevicePath, flags, m_logic.InputHandler());
}

void CVantorPanelDlg::OnWindowMessage(std::uint32_t message, std::uintptr_t wParam,
                                      std::intptr_t lParam) {
  if (WindowMessageInput* messages = m_platform.Mice.WindowMessages())
    messages->OnWindowMessage(message, wParam, lParam, m_logic.InputHandler());
}

#ifdef __WXMSW__
WXLRESULT CVantorPanelDlg::MSWWindowProc(WXUINT message, WXWPARAM wParam, WXLPARAM lParam) {
  OnWindowMessage(message, wParam, lParam);
  return wxDialog::MSWWindowProc(message, wParam, lParam);
}
#endif

void CVantorPanelDlg::ClearDeviceList() { m_deviceList->Clear(); }
void CVantorPanelDlg::AppendDevice(const std::string& name) { m_deviceList->Append(WxText(name)); }
void CVantorPanelDlg::SelectDevice(int index) { m_deviceList->SetSelection(index); }
void CVantorPanelDlg::StorePagesToDevice() { m_pageTabs->StorePagesToDevice(); }

void CVantorPanelDlg::RefillPages() {
  m_pageTabs->ButtonsMapPage().FillFromSettings();
  m_pageTabs->KeysMapPage().FillFromSettings();
  m_pageTabs->DriverOptionsPage().FillFromSettings();
}

void CVantorPanelDlg::ClearProfiles() { m_profileCombo->Clear(); }
void CVantorPanelDlg::AppendProfile(const std::string& name) { m_profileCombo->Append(WxText(name)); }
// The name is shown with no entry chosen, so that choosing any entry, the
// shown one too, is a change that GTK reports.
void CVantorPanelDlg::SelectProfile(int index) {
  if (index >= 0 && static_cast<unsigned>(index) < m_profileCombo->GetCount())
    ShowProfileName(m_profileCombo->GetString(static_cast<unsigned>(index)));
}

void CVantorPanelDlg::ShowMessage(const PanelMessage& message) { m_platform.Dialogs.ShowMessage(this, message); }

std::optional<std::filesystem::path> CVantorPanelDlg::ChooseProfileToSave(
    const std::filesystem::path& folder) {
  return m_platform.Dialogs.ChooseProfileToSave(this, folder);
}

void CVantorPanelDlg::ShowDiagnostics(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += (text.empty() ? "" : "\n") + line;
  m_diagnostics->SetLabel(WxText(text));
  m_diagnostics->Show(!text.empty());
  if (m_pageTabs && m_pageTabs->GetPageCount() > 0) LayOut();
}

}  // namespace vantor
