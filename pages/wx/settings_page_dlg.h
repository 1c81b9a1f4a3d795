// What the three settings pages share: a page model over the device table,
// a grid that shows it, and the moments the panel fills and stores them.
#pragma once

#include <wx/event.h>

#include "device/gun_device.h"
#include "pages/wx/grid_page.h"
#include "pages/wx/grid_rows.h"
#include "pages/wx/page_dlg.h"

namespace vantor {

template <class PageModel>
class CSettingsPageDlg : public CPageDlg {
 public:
  explicit CSettingsPageDlg(DeviceTable& devices) : m_model(devices) {}
  // The grid and the pressed-button display read the model: they go before
  // it does, not after every member as wx would destroy them.
  ~CSettingsPageDlg() override { DestroyChildren(); }

  // The current device's settings into the grid; nothing without one.
  void FillFromSettings() {
    if (m_model.FillFromSettings()) ShowValues();
  }
  // The grid into the current device's settings; nothing without one.
  void StoreToSettings() {
    CommitOpenEdit(*m_grid);
    m_model.StoreToSettings();
  }

  const PageModel& Model() const { return m_model; }
  CPageGrid& Grid() { return *m_grid; }

 protected:
  // The "Default" button: factory values into the grid only.
  void OnDefault(wxCommandEvent&) {
    m_model.OnDefault();
    ShowValues();
  }
  // The model's values into the grid's rows.
  virtual void ShowValues() = 0;

  PageModel m_model;
  CPageGrid* m_grid = nullptr;
};

}  // namespace vantor
