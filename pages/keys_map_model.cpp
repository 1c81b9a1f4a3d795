#include "pages/keys_map_model.h"

#include "pages/current_settings.h"

namespace vantor {

std::array<std::string_view, kKeyTableSize> KeyChoices() {
  std::array<std::string_view, kKeyTableSize> names;
  for (std::size_t i = 0; i < kKeyTableSize; ++i) names[i] = kKeyTable[i].Name;
  return names;
}

void KeysMapModel::LoadInitialValues() {
  if (!FillFromSettings()) OnDefault();
}

bool KeysMapModel::FillFromSettings() {
  const GunSettings* settings = CurrentSettings(m_devices);
  if (!settings) return false;
  for (std::size_t row = 0; row < kKeyRowCount; ++row)
    m_values[row] = KeyNameFromCode(static_cast<std::uint8_t>(kKeyRows[row].Remap->Get(*settings)));
  return true;
}

void KeysMapModel::StoreToSettings() const {
  GunSettings* settings = CurrentSettings(m_devices);
  if (!settings) return;
  for (std::size_t row = 0; row < kKeyRowCount; ++row)
    kKeyRows[row].Remap->Set(*settings, KeyCodeFromName(m_values[row]));
}

void KeysMapModel::OnDefault() {
  for (std::size_t row = 0; row < kKeyRowCount; ++row)
    m_values[row] = KeyNameFromCode(static_cast<std::uint8_t>(kKeyRows[row].Remap->Default));
}

}  // namespace vantor
