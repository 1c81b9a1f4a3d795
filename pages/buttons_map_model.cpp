#include "pages/buttons_map_model.h"

#include "pages/current_settings.h"

namespace vantor {

std::string_view MouseActionName(std::uint8_t code) {
  return NameOfCode(MouseAction::kList, code).value_or("Disabled");
}

std::uint8_t MouseActionCode(std::string_view name) {
  return CodeOfName(MouseAction::kList, name).value_or(MouseAction::Disabled);
}

std::string_view OffScreenName(std::uint8_t code) {
  return NameOfCode(OffScreenButton::kList, code).value_or("none");
}

std::uint8_t OffScreenCode(std::string_view name) {
  return CodeOfName(OffScreenButton::kList, name).value_or(OffScreenButton::None);
}

std::string_view RowName(std::size_t row, unsigned code) {
  const auto byte = static_cast<std::uint8_t>(code);
  return row == kOffScreenRow ? OffScreenName(byte) : MouseActionName(byte);
}

std::vector<std::string_view> ButtonRowChoices(std::size_t row) {
  std::vector<std::string_view> names;
  if (row == kOffScreenRow)
    for (const NamedCode& entry : OffScreenButton::kList) names.push_back(entry.Name);
  else
    for (const NamedCode& entry : MouseAction::kList) names.push_back(entry.Name);
  return names;
}

void ButtonsMapModel::LoadInitialValues() {
  if (const GunSettings* settings = CurrentSettings(m_devices)) {
    FillFrom(*settings);
    return;
  }
  for (std::size_t row = 0; row < kButtonRowCount; ++row)
    m_values[row] = row == kOffScreenRow ? "none" : "Disabled";
}

bool ButtonsMapModel::FillFromSettings() {
  const GunSettings* settings = CurrentSettings(m_devices);
  if (!settings) return false;
  FillFrom(*settings);
  return true;
}

void ButtonsMapModel::FillFrom(const GunSettings& settings) {
  for (std::size_t row = 0; row < kButtonRowCount; ++row) {
    m_values[row] = RowName(row, kButtonRows[row].Mapping->Get(settings));
  }
}

void ButtonsMapModel::StoreToSettings() const {
  GunSettings* settings = CurrentSettings(m_devices);
  if (!settings) return;
  for (std::size_t row = 0; row < kButtonRowCount; ++row)
    kButtonRows[row].Mapping->Set(*settings, row == kOffScreenRow ? OffScreenCode(m_values[row])
                                                                  : MouseActionCode(m_values[row]));
}

void ButtonsMapModel::OnDefault() {
  for (std::size_t row = 0; row < kButtonRowCount; ++row)
    m_values[row] = RowName(row, kButtonRows[row].Mapping->Default);
}

void ButtonsMapModel::OnAutoFire(std::size_t row, AutoFirePrompt& prompt) {
  GunDevice* device = m_devices.CurrentDevice;
  if (!device || !HasAutoFire(row)) return;
  const ByteField rate = kButtonRows[row].AutoFire->Byte;
  const std::optional<std::uint8_t> chosen = prompt.Ask(device->Settings.*rate);
  // The prompt runs its own event loop; store only into the device it was
  // opened for.
  if (chosen && m_devices.CurrentDevice == device) device->Settings.*rate = *chosen;
}

bool ButtonsMapModel::UpdatePressedButtons(std::uint16_t buttonFlags) {
  if (!m_devices.CurrentDevice) return false;
  return m_pressed.Update(buttonFlags, m_devices.CurrentDevice->WheelHeld);
}

}  // namespace vantor
