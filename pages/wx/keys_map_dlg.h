// The Keys Mapping page: the keyboard key for each of the gun's mouse
// buttons 1 to 5 and its wheel, and a "Default" button.
#pragma once

#include <array>

#include <wx/propgrid/propgrid.h>

#include "pages/keys_map_model.h"
#include "pages/wx/choice_row_property.h"
#include "pages/wx/settings_page_dlg.h"

namespace vantor {

class CKeysMapDlg : public CSettingsPageDlg<KeysMapModel> {
 public:
  explicit CKeysMapDlg(DeviceTable& devices);

  CChoiceRowProperty& Row(std::size_t row) { return *m_keyItems[row]; }

 protected:
  void OnInitDialog() override;

 private:
  void OnGridChanged(wxPropertyGridEvent& event);
  void ShowValues() override;

  std::array<CChoiceRowProperty*, kKeyRowCount> m_keyItems{};
};

}  // namespace vantor
