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

 private:
  void ApplyRowHeight();

  int m_minRowHeight = 0;
};

}  // namespace vantor
