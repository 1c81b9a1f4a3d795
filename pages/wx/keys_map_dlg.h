// The Keys Mapping page: the keyboard key for each of the gun's mouse
// buttons 1 to 5 and its wheel, and a "Default" button.
#pragma once

#include <array>

#include <wx/propgrid/propgrid.h>

#include "pages/keys_map_model.h"
#include "pages/wx/choice_row_property.h"
#include "pages/wx/grid_rows.h"
#include "pages/wx/page_dlg.h"

namespace vantor {

class CKeysMapDlg : public CPageDlg {
 public:
  explicit CKeysMapDlg(DeviceTable& devices);

  void FillFromSettings();
  void StoreToSettings();

  const KeysMapModel& Model() const { return m_model; }
  CPageGrid& Grid() { return *m_grid; }
  CChoiceRowProperty& Row(std::size_t row) { return *m_keyItems[row]; }

 protected:
  void OnInitDialog() override;

 private:
  void OnDefault(wxCommandEvent& event);
  void OnGridChanged(wxPropertyGridEvent& event);
  void ShowValues();

  KeysMapModel m_model;
  CPageGrid* m_grid = nullptr;
  std::array<CChoiceRowProperty*, kKeyRowCount> m_keyItems{};
};

}  // namespace vantor
