// The Driver Options page: free mouse, sensitivity, the calibration edges
// and the centering, and a "Default" button.
#pragma once

#include <array>

#include <wx/propgrid/propgrid.h>

#include "pages/driver_options_model.h"
#include "pages/wx/grid_rows.h"
#include "pages/wx/page_dlg.h"

namespace vantor {

class CDriverOptionsDlg : public CPageDlg {
 public:
  explicit CDriverOptionsDlg(DeviceTable& devices);

  void FillFromSettings();
  void StoreToSettings();

  const DriverOptionsModel& Model() const { return m_model; }
  CPageGrid& Grid() { return *m_grid; }
  // Rows in the order of kDriverOptions.
  wxPGProperty& Item(std::size_t option) { return *m_items[option]; }

 protected:
  void OnInitDialog() override;

 private:
  void OnDefault(wxCommandEvent& event);
  void OnGridChanged(wxPropertyGridEvent& event);
  void ShowValues();

  DriverOptionsModel m_model;
  CPageGrid* m_grid = nullptr;
  std::array<wxPGProperty*, kOptionCount> m_items{};
};

}  // namespace vantor
