#include "pages/wx/category_tooltips.h"

namespace vantor {
namespace {

// Kept on the category itself, so the tip lives exactly as long as the row.
const wxString kTooltipAttribute = "VantorCategoryTooltip";

}  // namespace

void SetCategoryTooltip(wxPGProperty& category, const wxString& tooltip) {
  category.SetAttribute(kTooltipAttribute, tooltip);
}

void EnableCategoryTooltips(wxPropertyGrid& grid) {
  grid.Bind(wxEVT_PG_HIGHLIGHTED, [&grid](wxPropertyGridEvent& event) {
    const wxPGProperty* row = event.GetProperty();
    const wxString tip = row && row->IsCategory()
                             ? row->GetAttribute(kTooltipAttribute, wxString())
                             : wxString();
    if (tip.empty())
      grid.UnsetToolTip();
    else if (grid.GetToolTipText() != tip)
      grid.SetToolTip(tip);
    event.Skip();
  });
}

}  // namespace vantor
