// The pressed-button display of the Buttons Mapping page.
#pragma once

#include <wx/dc.h>
#include <wx/window.h>

#include "pages/pressed_buttons.h"

namespace vantor {

// Draws the six labelled marks, lit ones filled, into any device context;
// coordinates are pixels from the display's top-left corner.
void DrawPressedButtons(wxDC& dc, const PressedButtons& pressed, const wxColour& ink);

class CPressedButtonsView : public wxWindow {
 public:
  CPressedButtonsView(wxWindow* parent, wxWindowID id, const PressedButtons& pressed);

 protected:
  wxSize DoGetBestSize() const override;

 private:
  void OnPaint(wxPaintEvent& event);

  const PressedButtons& m_pressed;
};

}  // namespace vantor
