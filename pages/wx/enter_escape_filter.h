// Enter and Escape do nothing in the panel and its pages: they press no
// default button, close nothing and reach no control inside. Dialogs of
// their own (AutoFire, About) keep the usual keys and take no filter.
#pragma once

#include <wx/window.h>

namespace vantor {

bool IsEnterOrEscape(int keyCode);

// Swallows both keys for the window and everything inside it.
void SwallowEnterAndEscape(wxWindow& window);

}  // namespace vantor
