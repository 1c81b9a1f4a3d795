// The property grid of the pages, with rows as tall as GTK's in-place
// controls need.
#pragma once

#include <wx/propgrid/propgrid.h>

namespace vantor {

// A GTK slider or spin button needs a row about this tall (GTK complains
// about a spin button in a shorter one).
inline constexpr int kControlRowHeight = 35;

class CPageGrid : public wxPropertyGrid {
 public:
  CPageGrid(wxWindow* parent, wxWindowID id);
  ~CPageGrid() override;

  // wx gives every row the same height, taken from the font (28 px at most
  // for the usual one); this makes it at least the given height.
  void SetRowHeightAtLeast(int height);
  bool SetFont(const wxFont& font) override;

  // The height that shows every row without scrolling.
  int HeightForAllRows() const;

 protected:
  // wx works the row height, the spacing in a row and the place of the
  // expand buttons out of one measurement of its font, the height of "jG".
  // The grid answers that measurement with the height that gives rows of
  // the minimum, so wx's own computation makes them that tall, on every
  // later font or spacing change too.
  void DoGetTextExtent(const wxString& text, int* x, int* y, int* descent, int* externalLeading,
                       const wxFont* font) const override;

 private:
  void ApplyRowHeight();
  void RecomputeRows() { SetVerticalSpacing(GetVerticalSpacing()); }

  int m_minRowHeight = 0;
  int m_rowFontHeight = 0;  // what the measurement answers; 0 for the font's own
};

}  // namespace vantor
