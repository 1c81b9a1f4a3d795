#include "pages/wx/keys_map_dlg.h"

#include <wx/button.h>

#include "pages/wx/category_tooltips.h"
#include "pages/wx/grid_page.h"

namespace vantor {

CKeysMapDlg::CKeysMapDlg(DeviceTable& devices) : CSettingsPageDlg(devices) {}

void CKeysMapDlg::OnInitDialog() {
  m_layout.CreateControls(*this, kKeysMapTemplate);
  m_grid = CreatePageGrid(*this, kIdKeysMapGrid);
  wxPGProperty* category = m_grid->Append(new wxPropertyCategory(WxText(kKeysMapCategory)));
  SetCategoryTooltip(*category, WxText(kKeysMapCategoryTooltip));

  m_model.LoadInitialValues();
  const auto names = KeyChoices();
  for (std::size_t row = 0; row < kKeyRowCount; ++row) {
    m_keyItems[row] = new CChoiceRowProperty(WxText(kKeyRows[row].Caption), names, m_model.Value(row),
                                             /*autoFireButton=*/false);
    m_keyItems[row]->SetHelpString(WxText(kKeyRows[row].Description));
    m_grid->Append(m_keyItems[row]);
  }
  m_grid->Bind(wxEVT_PG_CHANGED, &CKeysMapDlg::OnGridChanged, this);
  HandleRowButtonClicks(*m_grid, [](CChoiceRowProperty&) {});

  PlacePageWithGrid(m_layout, kIdKeysMapGridFrame, *m_grid);
  Bind(wxEVT_BUTTON, &CKeysMapDlg::OnDefault, this, kIdKeysMapDefault);
}

void CKeysMapDlg::OnGridChanged(wxPropertyGridEvent& event) {
  for (std::size_t row = 0; row < kKeyRowCount; ++row)
    if (event.GetProperty() == m_keyItems[row]) m_model.SetValue(row, m_keyItems[row]->Name());
}

void CKeysMapDlg::ShowValues() {
  for (std::size_t row = 0; row < kKeyRowCount; ++row) m_keyItems[row]->SetName(m_model.Value(row));
  m_grid->RefreshGrid();
  m_grid->RefreshEditor();
}

}  // namespace vantor
