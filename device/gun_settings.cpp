#include "device/gun_settings.h"

#include "device/settings_fields.h"

namespace vantor {

GunSettings ProfileDefaultSettings() {
  GunSettings s;
  for (const SettingsField& field : kSettingsFields) field.Set(s, field.Default);
  return s;
}

}  // namespace vantor
