#include "device/gun_settings.h"

namespace vantor {

GunSettings ProfileDefaultSettings() {
  GunSettings s;
  s.ButtonMap1 = MouseAction::Button1;
  s.ButtonMap2 = MouseAction::Button4;
  s.ButtonMap3 = MouseAction::Button2;
  s.ButtonMap4 = MouseAction::WheelUp;
  s.ButtonMap5 = MouseAction::Button5;
  s.ButtonMap6 = MouseAction::Button3;
  s.ButtonMap7 = MouseAction::Disabled;
  s.ButtonMap8 = MouseAction::Disabled;
  s.ButtonMap9 = MouseAction::Disabled;
  s.ButtonMap10 = MouseAction::Disabled;
  s.FreeMouseCursor = 1;
  s.UpEdge = 31;
  s.DownEdge = 255;
  s.LeftEdge = 137;
  s.RightEdge = 711;
  return s;
}

}  // namespace vantor
