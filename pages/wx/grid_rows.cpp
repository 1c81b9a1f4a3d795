#include "pages/wx/grid_rows.h"

#include <wx/odcombo.h>

namespace vantor {

CPageGrid::CPageGrid(wxWindow* parent, wxWindowID id)
    // No help pane: the rows' descriptions stay unshown.
    : wxPropertyGrid(parent, id, wxDefaultPosition, wxDefaultSize,
                     wxPG_SPLITTER_AUTO_CENTER | wxTAB_TRAVERSAL) {}

CPageGrid::~CPageGrid() {
  // A list still open when the page goes (the panel ends from the tray
  // menu) must close first: the drop-down cannot close itself half
  // destroyed. dynamic_cast, as wxDynamicCast casts to the type before it
  // checks, and the editor may as well be a text control.
  if (auto* list = dynamic_cast<wxOwnerDrawnComboBox*>(GetEditorControl()))
    if (list->IsPopupShown()) list->Dismiss();
}

void CPageGrid::SetRowHeightAtLeast(int height) {
  m_minRowHeight = height;
  ApplyRowHeight();
}

bool CPageGrid::SetFont(const wxFont& font) {
  const bool changed = wxPropertyGrid::SetFont(font);
  ApplyRowHeight();
  return changed;
}

// Each pixel more of the measured height makes the rows at least a pixel
// taller, so the search is over within the missing pixels; should wx stop
// asking, the rows stay as wx makes them.
void CPageGrid::ApplyRowHeight() {
  const int before = GetRowHeight();
  if (m_rowFontHeight != 0) {  // from the font's own height again
    m_rowFontHeight = 0;
    RecomputeRows();
  }
  if (GetRowHeight() < m_minRowHeight) {
    m_rowFontHeight = GetFontHeight();
    for (int tries = m_minRowHeight - GetRowHeight(); tries > 0 && GetRowHeight() < m_minRowHeight;
         --tries) {
      ++m_rowFontHeight;
      RecomputeRows();
    }
  }
  if (GetRowHeight() != before) Refresh();
}

void CPageGrid::DoGetTextExtent(const wxString& text, int* x, int* y, int* descent,
                                int* externalLeading, const wxFont* font) const {
  wxPropertyGrid::DoGetTextExtent(text, x, y, descent, externalLeading, font);
  if (y && m_rowFontHeight > *y && text == wxS("jG")) *y = m_rowFontHeight;
}

int CPageGrid::HeightForAllRows() const {
  int rows = 0;
  for (wxPGVIterator it = GetVIterator(wxPG_ITERATE_VISIBLE); !it.AtEnd(); it.Next()) ++rows;
  const int frame = GetSize().y - GetClientSize().y;
  return rows * GetRowHeight() + frame + 1;
}

}  // namespace vantor
