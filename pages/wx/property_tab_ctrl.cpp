#include "pages/wx/property_tab_ctrl.h"

#include "pages/wx/grid_page.h"

namespace vantor {

CPropertyTabCtrl::CPropertyTabCtrl(wxWindow* parent, DeviceTable& devices, wxWindowID id)
    : wxNotebook(parent, id),
      m_buttonsMap(*new CButtonsMapDlg(devices)),
      m_keysMap(*new CKeysMapDlg(devices)),
      m_driverOptions(*new CDriverOptionsDlg(devices)),
      m_info(*new CInfoDlg()),
      m_pages{&m_buttonsMap, &m_keysMap, &m_driverOptions, &m_info} {
  Bind(wxEVT_NOTEBOOK_PAGE_CHANGED, &CPropertyTabCtrl::OnSelchange, this);
}

CPropertyTabCtrl::~CPropertyTabCtrl() {
  if (m_pagesCreated) return;  // wx destroys them as our children
  for (CPageDlg* page : m_pages) delete page;
}

void CPropertyTabCtrl::CreatePages() {
  for (CPageDlg* page : m_pages) page->CreatePage(this);
  m_pagesCreated = true;
}

void CPropertyTabCtrl::InsertTabs() {
  for (std::size_t i = 0; i < kPageCount; ++i)
    InsertPage(i, m_pages[i], WxText(kPageCaptions[i]), /*bSelect=*/i == 0);
}

void CPropertyTabCtrl::ShowSelectedPage() {
  // The notebook maps the current page only and sizes every page to its
  // display area; a hidden page keeps its contents.
  const int selected = GetSelection();
  if (selected == wxNOT_FOUND) return;
  wxWindow* page = GetPage(static_cast<std::size_t>(selected));
  page->Show();
  page->Refresh();
}

void CPropertyTabCtrl::StorePagesToDevice() {
  if (!m_pagesCreated) return;
  m_buttonsMap.StoreToSettings();
  m_keysMap.StoreToSettings();
  m_driverOptions.StoreToSettings();
}

void CPropertyTabCtrl::OnSelchange(wxBookCtrlEvent& event) {
  ShowSelectedPage();
  event.Skip();
}

}  // namespace vantor
