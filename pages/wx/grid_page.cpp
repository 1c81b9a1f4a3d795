#include "pages/wx/grid_page.h"

#include "pages/wx/category_tooltips.h"

namespace vantor {

CPageGrid* CreatePageGrid(wxWindow& page, wxWindowID id) {
  auto* grid = new CPageGrid(&page, id);
  EnableCategoryTooltips(*grid);
  // A value the grid refuses keeps the row's previous one: no message box
  // (Escape, which would leave it, is swallowed by the pages), no trapping
  // the focus in the row.
  grid->SetValidationFailureBehavior(wxPG_VFB_BEEP);
  return grid;
}

void PlacePageWithGrid(CTemplateLayout& layout, int frameId, CPageGrid& grid) {
  layout.Attach(frameId, grid);
  layout.SetNeededSize(frameId, wxSize(0, grid.HeightForAllRows()));
  layout.Place();
}

void CommitOpenEdit(wxPropertyGrid& grid) {
  if (grid.IsEditorsValueModified()) grid.CommitChangesFromEditor();
}

}  // namespace vantor
