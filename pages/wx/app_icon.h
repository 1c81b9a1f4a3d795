// The program's 48x48 icon: the main panel's window and tray icon and the
// About box's picture.
#pragma once

#include <wx/bitmap.h>
#include <wx/icon.h>

namespace vantor {

wxBitmap AppIconBitmap();
wxIcon AppIcon();

}  // namespace vantor
