// Tooltips on category rows: shown while the pointer rests on the row. wx
// shows none for categories, so the grid's highlight event sets the tip.
#pragma once

#include <wx/propgrid/propgrid.h>

namespace vantor {

void EnableCategoryTooltips(wxPropertyGrid& grid);
void SetCategoryTooltip(wxPGProperty& category, const wxString& tooltip);

}  // namespace vantor
