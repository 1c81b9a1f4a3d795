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
#include <string>

#include "device/hid_bus.h"
#include "panel/dialog_services.h"
#include "panel/panel_controller.h"
#include "panel/panel_view.h"

namespace vantor {

class CPropertyTabCtrl;
class CTrayIcon;

// Control ids of the panel's window.
enum PanelControlId {
  IDC_DEVICE_LIST = 1001,
  IDC_PAGE_TABS = 1004,
  IDC_EXIT = 1006,
  IDC_REFRESH = 1007,
  IDC_SAVE_PROFILE_AS = 1008,
  IDC_SUBMIT_SETTINGS = 1024,
  IDC_PROFILE_COMBO = 1030,
};

struct PanelOptions {
  bool Simulated = false;  // says so in the caption
};

class CVantorPanelDlg final : public wxDialog, public PanelView {
 public:
  CVantorPanelDlg(HidBus& bus, DialogServices& dialogs, const PanelOptions& options);
  ~CVantorPanelDlg() override;

  PanelController& Logic() { return m_logic; }
  CPropertyTabCtrl& PageTabs() { return *m_pageTabs; }
  bool InTray() const { return m_inTray; }

  // Handlers, public so tests can drive them as the events would.
  void OnSelchangeDeviceList(wxCommandEvent& event);
  void OnSubmitSettings(wxCommandEvent& event);
  void OnRefresh(wxCommandEvent& event);
  void OnSelchangeProfile(wxCommandEvent& event);
  void OnSaveProfileAs(wxCommandEvent& event);
  void OnTrayToggle();
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
  void OnInitDialog();
  void CreateControls();
  void LayOut();
  void OnClose(wxCloseEvent& event);
  void OnCharHook(wxKeyEvent& event);

  DialogServices& m_dialogs;
  PanelController m_logic;
  CPropertyTabCtrl* m_pageTabs = nullptr;
  wxListBox* m_deviceList = nullptr;
  wxComboBox* m_profileCombo = nullptr;
  wxStaticText* m_deviceListLabel = nullptr;
  wxStaticText* m_profilesLabel = nullptr;
  wxButton* m_submitButton = nullptr;
  wxButton* m_saveProfileButton = nullptr;
  wxButton* m_refreshButton = nullptr;
  wxButton* m_exitButton = nullptr;
  wxStaticText* m_diagnostics = nullptr;
  std::unique_ptr<CTrayIcon> m_trayIcon;
  bool m_inTray = false;
};

}  // namespace vantor
