// The main panel: the adapters, the four pages, Submit Settings, Refresh,
// Exit, the profile commands and the notification-area icon. A thin window
// over PanelController, which holds the behaviour.
#pragma once

#include <wx/button.h>
#include <wx/combobox.h>
#include <wx/dialog.h>
#include <wx/listbox.h>
#include <wx/stattext.h>

#include <memory>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "device/hid_bus.h"
#include "input/key_sink.h"
#include "input/mouse_source.h"
#include "input/simulated_mouse_source.h"
#include "pages/wx/template_window.h"
#include "panel/dialog_services.h"
#include "panel/panel_controller.h"
#include "panel/panel_view.h"

namespace vantor {

class CInputWatch;
class CPropertyTabCtrl;
class CTrayIcon;

// Control ids of the panel's window (the tab control's is kIdPageTabs).
enum PanelControlId {
  IDC_DEVICE_LIST = 1001,
  IDC_EXIT = 1006,
  IDC_REFRESH = 1007,
  IDC_SAVE_PROFILE_AS = 1008,
  IDC_SUBMIT_SETTINGS = 1024,
  IDC_PROFILE_COMBO = 1030,
};

// What the window works with besides its own controls.
struct PanelPlatform {
  HidBus& Bus;
  MouseSource& Mice;
  KeySink& Keys;
  DialogServices& Dialogs;
  std::optional<std::filesystem::path> ProfilesFolder;
  // Why some of the panel cannot work (key presses off), shown under the
  // device list for as long as the panel runs.
  std::vector<std::string> StandingDiagnostics;
  // Set on simulated adapters: the caption says so, and the "Simulated gun"
  // window injects the current adapter's reports here.
  SimulatedMouseSource* SimulatedMice = nullptr;
};

class CVantorPanelDlg final : public wxDialog, public PanelView {
 public:
  explicit CVantorPanelDlg(PanelPlatform platform);
  ~CVantorPanelDlg() override;

  PanelController& Logic() { return m_logic; }
  CPropertyTabCtrl& PageTabs() { return *m_pageTabs; }
  bool InTray() const { return m_inTray; }
  CTrayIcon& TrayIcon() { return *m_trayIcon; }
  wxListBox& DeviceListBox() { return *m_deviceList; }
  wxComboBox& ProfileCombo() { return *m_profileCombo; }
  wxStaticText& Diagnostics() { return *m_diagnostics; }

  // The demo's window standing in for the current adapter's gun.
  void ShowSimulatedGun();
  // One report of the current adapter's mouse, as the simulated gun sends it.
  void SendSimulatedReport(std::uint16_t flags);

  // One message of the window as its window procedure got it: a mouse
  // source that takes its reports as window messages (Raw Input) gets them
  // from here.
  void OnWindowMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

  // Handlers, public so tests can drive them as the events would.
  void OnSelchangeDeviceList(wxCommandEvent& event);
  void OnSubmitSettings(wxCommandEvent& event);
  void OnRefresh(wxCommandEvent& event);
  void OnSelchangeProfile(wxCommandEvent& event);
  void OnSaveProfileAs(wxCommandEvent& event);
  void OnTrayToggle();
  // What a click on the notification-area icon does: shows the panel.
  void RestoreFromTray();
  void OnExit();

  // PanelView
  void ClearDeviceList() override;
  void AppendDevice(const std::string& name) override;
  void SelectDevice(int index) override;
  void StorePagesToDevice() override;
  void RefillPages() override;
  void ClearProfiles() override;
  void AppendProfile(const std::string& name) override;
  void SelectProfile(int index) override;
  void ShowMessage(const PanelMessage& message) override;
  std::optional<std::filesystem::path> ChooseProfileToSave(
      const std::filesystem::path& folder) override;
  void ShowDiagnostics(const std::vector<std::string>& lines) override;

 private:
#ifdef __WXMSW__
  WXLRESULT MSWWindowProc(WXUINT message, WXWPARAM wParam, WXLPARAM lParam) override;
#endif
  void OnInitDialog();
  void CreateControls();
  void LayOut();
  void OnClose(wxCloseEvent& event);
  void ShowProfileName(const wxString& name);
  void PutInTray();

  PanelPlatform m_platform;
  PanelController m_logic;
  std::unique_ptr<CInputWatch> m_inputWatch;
  CTemplateLayout m_layout;
  CPropertyTabCtrl* m_pageTabs = nullptr;
  wxListBox* m_deviceList = nullptr;
  wxComboBox* m_profileCombo = nullptr;
  wxStaticText* m_diagnostics = nullptr;
  std::unique_ptr<CTrayIcon> m_trayIcon;
  bool m_inTray = false;
};

}  // namespace vantor
