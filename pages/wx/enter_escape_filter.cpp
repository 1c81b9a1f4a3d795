#include "pages/wx/enter_escape_filter.h"

#include <wx/event.h>

namespace vantor {

bool IsEnterOrEscape(int keyCode) {
  return keyCode == WXK_RETURN || keyCode == WXK_NUMPAD_ENTER || keyCode == WXK_ESCAPE;
}

void SwallowEnterAndEscape(wxWindow& window) {
  // The char hook comes first, from the focused control up to the window,
  // before the control or the dialog sees the key; not skipping ends it.
  window.Bind(wxEVT_CHAR_HOOK, [](wxKeyEvent& event) {
    if (!IsEnterOrEscape(event.GetKeyCode())) event.Skip();
  });
}

}  // namespace vantor
