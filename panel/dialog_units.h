// Window layouts are tables in dialog units, which follow the font. GTK
// draws buttons taller than the units allow, so a layout may be stretched
// vertically by one factor (from a button's best height) to keep every row
// apart instead of clipping or overlapping them.
#pragma once

#include <wx/window.h>

#include <algorithm>
#include <cmath>

namespace vantor {

struct DluRect {
  int x, y, width, height;
};

class DluLayout {
 public:
  // sampleControl is one of the controls whose rows must not overlap, and
  // sampleHeight its height in dialog units.
  DluLayout(const wxWindow* topLevel, const wxWindow* sampleControl, int sampleHeight)
      : m_topLevel(topLevel) {
    const int planned = topLevel->ConvertDialogToPixels(wxSize(0, sampleHeight)).y;
    const int needed = sampleControl->GetBestSize().y;
    if (planned > 0) m_yScale = std::max(1.0, static_cast<double>(needed) / planned);
  }

  wxRect ToPixels(const DluRect& r) const {
    const wxPoint origin = m_topLevel->ConvertDialogToPixels(wxPoint(r.x, r.y));
    const wxSize size = m_topLevel->ConvertDialogToPixels(wxSize(r.width, r.height));
    return {origin.x, Scale(origin.y), size.x, Scale(size.y)};
  }

  // Places a control at its rectangle, never below its best height.
  wxRect Place(wxWindow* control, const DluRect& r) const {
    wxRect rect = ToPixels(r);
    rect.height = std::max(rect.height, control->GetBestSize().y);
    control->SetSize(rect);
    return rect;
  }

  double YScale() const { return m_yScale; }

 private:
  int Scale(int y) const { return static_cast<int>(std::lround(y * m_yScale)); }

  const wxWindow* m_topLevel;
  double m_yScale = 1.0;
};

}  // namespace vantor
