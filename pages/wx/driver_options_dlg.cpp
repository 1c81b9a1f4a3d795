#include "pages/wx/driver_options_dlg.h"

#include <wx/button.h>
#include <wx/propgrid/advprops.h>

#include "pages/wx/category_tooltips.h"
#include "pages/wx/clamped_int_property.h"
#include "pages/wx/grid_page.h"
#include "pages/wx/grid_rows.h"
#include "pages/wx/slider_editor.h"

namespace vantor {
namespace {

wxPGProperty* MakeItem(const DriverOption& option, int value) {
  const wxString caption = WxText(option.Caption);
  const wxString name = WxText(option.Field.Name);
  if (option.Kind == OptionKind::CheckBox) return new wxBoolProperty(caption, name, value != 0);
  return new CClampedIntProperty(caption, name, value);
}

// Limits are set after the item is made, so its first value stays as the
// device stored it until the item is next set.
void Equip(wxPGProperty& item, const DriverOption& option) {
  switch (option.Kind) {
    case OptionKind::CheckBox:
      item.SetAttribute(wxPG_BOOL_USE_CHECKBOX, true);
      break;
    case OptionKind::Slider:
      static_cast<CClampedIntProperty&>(item).SetLimits(option.Limits());
      item.SetEditor(CSliderEditor::Get());
      break;
    case OptionKind::Number:
      static_cast<CClampedIntProperty&>(item).SetLimits(option.Limits());
      item.SetEditor(wxPGEditor_SpinCtrl);
      break;
  }
}

}  // namespace

CDriverOptionsDlg::CDriverOptionsDlg(DeviceTable& devices) : CSettingsPageDlg(devices) {}

void CDriverOptionsDlg::OnInitDialog() {
  wxPropertyGrid::RegisterAdditionalEditors();  // the spin buttons
  m_layout.CreateControls(*this, kDriverOptionsTemplate);
  m_grid = CreatePageGrid(*this, kIdDriverOptionsGrid);
  m_grid->SetRowHeightAtLeast(kControlRowHeight);

  m_model.LoadInitialValues();
  std::size_t shownCategory = kOptionCategories.size();
  for (std::size_t i = 0; i < kOptionCount; ++i) {
    const DriverOption& option = kDriverOptions[i];
    if (option.Category != shownCategory) {
      shownCategory = option.Category;
      const OptionCategory& category = kOptionCategories[shownCategory];
      wxPGProperty* row = m_grid->Append(new wxPropertyCategory(WxText(category.Caption)));
      SetCategoryTooltip(*row, WxText(category.Tooltip));
    }
    m_items[i] = m_grid->Append(MakeItem(option, m_model.Value(i)));
    Equip(*m_items[i], option);
  }
  m_grid->Bind(wxEVT_PG_CHANGED, &CDriverOptionsDlg::OnGridChanged, this);

  PlacePageWithGrid(m_layout, kIdDriverOptionsGridFrame, *m_grid);
  Bind(wxEVT_BUTTON, &CDriverOptionsDlg::OnDefault, this, kIdDriverOptionsDefault);
}

void CDriverOptionsDlg::OnGridChanged(wxPropertyGridEvent& event) {
  for (std::size_t i = 0; i < kOptionCount; ++i) {
    if (event.GetProperty() != m_items[i]) continue;
    const wxVariant value = m_items[i]->GetValue();
    m_model.SetValue(i, kDriverOptions[i].Kind == OptionKind::CheckBox ? value.GetBool()
                                                                       : value.GetLong());
  }
}

void CDriverOptionsDlg::ShowValues() {
  for (std::size_t i = 0; i < kOptionCount; ++i) {
    if (kDriverOptions[i].Kind == OptionKind::CheckBox)
      m_grid->SetPropertyValue(m_items[i], m_model.Value(i) != 0);
    else
      m_grid->SetPropertyValue(m_items[i], static_cast<long>(m_model.Value(i)));
  }
}

}  // namespace vantor
