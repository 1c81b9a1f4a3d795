#include "pages/driver_options_model.h"

#include "pages/current_settings.h"

namespace vantor {

void DriverOptionsModel::LoadInitialValues() {
  const GunSettings* settings = CurrentSettings(m_devices);
  if (!settings) {
    OnDefault();
    return;
  }
  for (std::size_t i = 0; i < kOptionCount; ++i) {
    const DriverOption& option = kDriverOptions[i];
    const unsigned stored = option.Field.Get(*settings);
    m_values[i] = option.Kind == OptionKind::CheckBox ? stored != 0 : static_cast<int>(stored);
  }
}

bool DriverOptionsModel::FillFromSettings() {
  const GunSettings* settings = CurrentSettings(m_devices);
  if (!settings) return false;
  for (std::size_t i = 0; i < kOptionCount; ++i) SetValue(i, kDriverOptions[i].Field.Get(*settings));
  return true;
}

void DriverOptionsModel::StoreToSettings() const {
  GunSettings* settings = CurrentSettings(m_devices);
  if (!settings) return;
  for (std::size_t i = 0; i < kOptionCount; ++i) {
    const DriverOption& option = kDriverOptions[i];
    if (option.Kind == OptionKind::CheckBox)
      option.Field.Set(*settings, m_values[i] != 0);
    else  // the field's width cuts, which a limited value survives unchanged
      option.Field.Set(*settings, static_cast<unsigned>(m_values[i]));
  }
}

void DriverOptionsModel::OnDefault() {
  for (std::size_t i = 0; i < kOptionCount; ++i) SetValue(i, kDriverOptions[i].Default());
}

int DriverOptionsModel::SetValue(std::size_t option, long long value) {
  const DriverOption& item = kDriverOptions[option];
  m_values[option] =
      item.Kind == OptionKind::CheckBox ? value != 0 : ClampToLimits(value, item.Limits());
  return m_values[option];
}

}  // namespace vantor
