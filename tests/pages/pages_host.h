// The tab control with its four pages inside a dialog that has OK and
// Cancel buttons, the way the main panel holds them, over a table with one
// adapter. A test changes the adapter's settings, then opens the pages.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include <wx/button.h>
#include <wx/dialog.h>

#include "one_adapter_table.h"
#include "pages/wx/property_tab_ctrl.h"
#include "wx_test_support.h"

namespace vantor {

class PagesHost {
 public:
  explicit PagesHost(DeviceTable& devices) {
    m_window = new wxDialog(nullptr, wxID_ANY, "pages");
    m_tabs = new CPropertyTabCtrl(m_window, devices);
    m_tabs->CreatePages();
    m_tabs->InsertTabs();
    m_tabs->ShowSelectedPage();
    const wxSize tabs = m_tabs->GetBestSize();
    m_tabs->SetSize(0, 0, tabs.x, tabs.y);
    m_ok = new wxButton(m_window, wxID_OK, "OK", wxPoint(0, tabs.y));
    m_cancel = new wxButton(m_window, wxID_CANCEL, "Cancel", wxPoint(100, tabs.y));
    m_ok->SetDefault();
    m_window->Bind(wxEVT_BUTTON, [this](wxCommandEvent& event) {
      if (event.GetId() == wxID_OK) ++OkClicks;
      if (event.GetId() == wxID_CANCEL) ++CancelClicks;
      event.Skip();
    });
    m_window->SetClientSize(tabs.x, tabs.y + m_ok->GetSize().y);
    m_window->Show();
    PumpEvents();
  }
  ~PagesHost() {
    m_window->Destroy();
    PumpEvents();
  }

  wxDialog& Window() { return *m_window; }
  CPropertyTabCtrl& Tabs() { return *m_tabs; }
  wxButton& OkButton() { return *m_ok; }
  // The dialog would have ended: a default or cancel button acted.
  bool Ended() const { return m_window->GetReturnCode() != 0 || !m_window->IsShown(); }

  int OkClicks = 0;
  int CancelClicks = 0;

 private:
  wxDialog* m_window;
  CPropertyTabCtrl* m_tabs;
  wxButton* m_ok;
  wxButton* m_cancel;
};

class PagesTest : public testing::Test {
 protected:
  PagesHost& Open() {
    m_host = std::make_unique<PagesHost>(adapter.Table);
    return *m_host;
  }
  CPropertyTabCtrl& Tabs() { return m_host->Tabs(); }

  OneAdapterTable adapter;

 private:
  std::unique_ptr<PagesHost> m_host;
};

}  // namespace vantor
