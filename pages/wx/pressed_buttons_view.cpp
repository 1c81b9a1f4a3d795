#include "pages/wx/pressed_buttons_view.h"

#include <algorithm>

#include <wx/brush.h>
#include <wx/dcclient.h>
#include <wx/pen.h>

namespace vantor {
namespace {

wxRect RectOf(const PixelBox& box) {
  return wxRect(box.Left, box.Top, box.Right - box.Left, box.Bottom - box.Top);
}

wxString Text(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

}  // namespace

void DrawPressedButtons(wxDC& dc, const PressedButtons& pressed, const wxColour& ink) {
  const wxBrush lit(wxColour(kLitMarkColour.R, kLitMarkColour.G, kLitMarkColour.B));
  dc.SetPen(wxPen(ink));
  dc.SetTextForeground(ink);
  for (std::size_t i = 0; i < kMarkCount; ++i) {
    const PressedMark& mark = kPressedMarks[i];
    dc.DrawLabel(Text(mark.Label), RectOf(mark.LabelBox), wxALIGN_RIGHT | wxALIGN_CENTER_VERTICAL);
    dc.SetBrush(pressed.IsLit(i) ? lit : *wxTRANSPARENT_BRUSH);
    dc.DrawEllipse(RectOf(mark.Mark));
  }
  dc.DrawLabel(Text(kWheelLabel), RectOf(kWheelLabelBox), wxALIGN_LEFT | wxALIGN_CENTER_VERTICAL);
  dc.SetBrush(wxNullBrush);
}

CPressedButtonsView::CPressedButtonsView(wxWindow* parent, wxWindowID id,
                                         const PressedButtons& pressed)
    : wxWindow(parent, id, wxDefaultPosition, wxDefaultSize, wxBORDER_SIMPLE | wxFULL_REPAINT_ON_RESIZE),
      m_pressed(pressed) {
  SetBackgroundColour(parent->GetBackgroundColour());
  Bind(wxEVT_PAINT, &CPressedButtonsView::OnPaint, this);
}

wxSize CPressedButtonsView::DoGetBestSize() const {
  const wxSize frame = GetSize() - GetClientSize();
  const int textRight = kWheelLabelBox.Left + GetTextExtent(Text(kWheelLabel)).x;
  return wxSize(std::max(kWheelLabelBox.Right, textRight) + 4,
                kPressedMarks[0].Mark.Bottom + 4) + frame;
}

void CPressedButtonsView::OnPaint(wxPaintEvent&) {
  wxPaintDC dc(this);
  DrawPressedButtons(dc, m_pressed, GetForegroundColour());
}

}  // namespace vantor
