// The Driver Options page: free mouse, sensitivity, the calibration edges
// and the centering, and a "Default" button.
#pragma once

#include <array>

#include <wx/propgrid/propgrid.h>

#include "pages/driver_options_model.h"
#include "pages/wx/settings_page_dlg.h"

namespace vantor {

class CDriverOptionsDlg : public CSettingsPageDlg<DriverOptionsModel> {
 public:
  explicit CDriverOptionsDlg(DeviceTable& devices);

  // Rows in the order of kDriverOptions.
  wxPGProperty& Item(std::size_t option) { return *m_items[option]; }

 protected:
  void OnInitDialog() override;

 private:
  void OnGridChanged(wxPropertyGridEvent& event);
  void ShowValues() override;

  std::array<wxPGProperty*, kOptionCount> m_items{};
};

}  // namespace vantor
