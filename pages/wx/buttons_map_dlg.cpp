#include "pages/wx/buttons_map_dlg.h"

#include <wx/button.h>

#include "pages/wx/category_tooltips.h"
#include "pages/wx/grid_page.h"

namespace vantor {

CButtonsMapDlg::CButtonsMapDlg(DeviceTable& devices) : CSettingsPageDlg(devices) {}

void CButtonsMapDlg::OnInitDialog() {
  m_layout.CreateControls(*this, kButtonsMapTemplate);
  m_grid = CreatePageGrid(*this, kIdButtonsMapGrid);
  wxPGProperty* category = m_grid->Append(new wxPropertyCategory(WxText(kButtonsMapCategory)));
  SetCategoryTooltip(*category, WxText(kButtonsMapCategoryTooltip));

  m_model.LoadInitialValues();
  for (std::size_t row = 0; row < kButtonRowCount; ++row) {
    const ButtonRow& spec = kButtonRows[row];
    const std::vector<std::string_view> names = ButtonRowChoices(row);
    m_rows[row] = new CChoiceRowProperty(WxText(spec.Caption), names, m_model.Value(row), HasAutoFire(row));
    m_rows[row]->SetHelpString(WxText(spec.Description));
    m_grid->Append(m_rows[row]);
  }
  m_grid->Bind(wxEVT_PG_CHANGED, &CButtonsMapDlg::OnGridChanged, this);
  HandleRowButtonClicks(*m_grid, [this](CChoiceRowProperty& row) { OnAutoFire(row); });

  m_pressedView = new CPressedButtonsView(this, kIdPressedButtonsDisplay, m_model.Pressed());
  m_layout.Attach(kIdPressedButtonsDisplay, *m_pressedView);
  PlacePageWithGrid(m_layout, kIdButtonsMapGridFrame, *m_grid);
  Bind(wxEVT_BUTTON, &CButtonsMapDlg::OnDefault, this, kIdDefaultButton);
}

void CButtonsMapDlg::UpdatePressedButtons(std::uint16_t buttonFlags) {
  if (m_model.UpdatePressedButtons(buttonFlags)) m_pressedView->Refresh();
}

void CButtonsMapDlg::OnGridChanged(wxPropertyGridEvent& event) {
  for (std::size_t row = 0; row < kButtonRowCount; ++row)
    if (event.GetProperty() == m_rows[row]) m_model.SetValue(row, m_rows[row]->Name());
}

void CButtonsMapDlg::OnAutoFire(CChoiceRowProperty& pressed) {
  for (std::size_t row = 0; row < kButtonRowCount; ++row) {
    if (m_rows[row] != &pressed) continue;
    if (!m_prompt && !m_dialogPrompt) m_dialogPrompt = std::make_unique<CAutoFireDialogPrompt>(this);
    m_model.OnAutoFire(row, m_prompt ? *m_prompt : *m_dialogPrompt);
  }
}

void CButtonsMapDlg::ShowValues() {
  for (std::size_t row = 0; row < kButtonRowCount; ++row) {
    m_rows[row]->SetName(m_model.Value(row));
  }
  m_grid->RefreshGrid();
  m_grid->RefreshEditor();
}

}  // namespace vantor
