// For start-up measurements: ends the program once the window has been
// shown and the event queue has run dry, that is when a user would see it.
#pragma once

#include <wx/app.h>
#include <wx/toplevel.h>

#include <functional>

namespace vantor {

inline void ExitWhenShown(wxTopLevelWindow* window, std::function<void()> quit) {
  window->Bind(wxEVT_IDLE, [window, quit, done = false](wxIdleEvent& event) mutable {
    event.Skip();
    if (done || !window->IsShownOnScreen()) return;
    done = true;
    window->CallAfter(quit);
  });
}

}  // namespace vantor
