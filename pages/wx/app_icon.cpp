#include "pages/wx/app_icon.h"

#include "resources/vantor_icon.xpm"

namespace vantor {

wxBitmap AppIconBitmap() { return wxBitmap(vantor_icon_xpm); }

wxIcon AppIcon() {
  wxIcon icon;
  icon.CopyFromBitmap(AppIconBitmap());
  return icon;
}

}  // namespace vantor
