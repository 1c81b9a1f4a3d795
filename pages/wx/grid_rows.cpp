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
  const bool changed = wxPropertyGrid::SetFont(font);  // recomputes the row height
  ApplyRowHeight();
  return changed;
}

void CPageGrid::ApplyRowHeight() {
  if (m_lineHeight >= m_minRowHeight) return;
  m_lineHeight = m_minRowHeight;
  m_buttonSpacingY = (m_lineHeight - m_iconWidth) / 2;  // centres the square expand buttons
  RecalculateVirtualSize();
  Refresh();
}

int CPageGrid::HeightForAllRows() const {
  int rows = 0;
  for (wxPGVIterator it = GetVIterator(wxPG_ITERATE_VISIBLE); !it.AtEnd(); it.Next()) ++rows;
  const int frame = GetSize().y - GetClientSize().y;
  return rows * GetRowHeight() + frame + 1;
}

}  // namespace vantor
