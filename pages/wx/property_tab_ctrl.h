// The main panel's tab control with its four pages: Buttons Mapping, Keys
// Mapping, Drivers Options and Info. It owns the pages, shows the page of
// the current tab and gathers the pages' edits into the current device.
#pragma once

#include <array>

#include <wx/notebook.h>

#include "device/gun_device.h"
#include "pages/page_tabs.h"
#include "pages/wx/buttons_map_dlg.h"
#include "pages/wx/driver_options_dlg.h"
#include "pages/wx/info_dlg.h"
#include "pages/wx/keys_map_dlg.h"

namespace vantor {

class CPropertyTabCtrl : public wxNotebook {
 public:
  // Makes the tab control and the four page objects; their windows come
  // with CreatePages. The pages read the table's current device whenever
  // they fill or store.
  CPropertyTabCtrl(wxWindow* parent, DeviceTable& devices, wxWindowID id = kIdPageTabs);
  ~CPropertyTabCtrl() override;

  // The four page windows, each filled from the current device.
  void CreatePages();
  // The four tabs, "Buttons Mapping" first and current.
  void InsertTabs();
  // Shows the page of the current tab, filling the tab's display area.
  void ShowSelectedPage();
  // Buttons Mapping, Keys Mapping, then Driver Options into the current
  // device's settings; nothing without a current device.
  void StorePagesToDevice();

  CButtonsMapDlg& ButtonsMapPage() { return m_buttonsMap; }
  CKeysMapDlg& KeysMapPage() { return m_keysMap; }
  CDriverOptionsDlg& DriverOptionsPage() { return m_driverOptions; }
  CInfoDlg& InfoPage() { return m_info; }
  CPageDlg& Page(std::size_t index) { return *m_pages[index]; }

 private:
  void OnSelchange(wxBookCtrlEvent& event);

  // Owned through wx once their windows exist: wx destroys child windows
  // with their parent. Until CreatePages they are plain objects of ours.
  CButtonsMapDlg& m_buttonsMap;
  CKeysMapDlg& m_keysMap;
  CDriverOptionsDlg& m_driverOptions;
  CInfoDlg& m_info;
  std::array<CPageDlg*, kPageCount> m_pages;
  bool m_pagesCreated = false;
};

}  // namespace vantor
