// Helpers shared by the pages that hold a property grid.
#pragma once

#include <string_view>

#include <wx/propgrid/propgrid.h>

#include "pages/wx/grid_rows.h"
#include "pages/wx/template_window.h"
#include "pages/wx/wx_text.h"

namespace vantor {

// A grid in the place of its template frame, with a category tooltip hook.
CPageGrid* CreatePageGrid(wxWindow& page, wxWindowID id);

// Gives the grid the room for all its rows, then places the page.
void PlacePageWithGrid(CTemplateLayout& layout, int frameId, CPageGrid& grid);

// An edit still open in the grid's text box counts before a store.
void CommitOpenEdit(wxPropertyGrid& grid);

}  // namespace vantor
