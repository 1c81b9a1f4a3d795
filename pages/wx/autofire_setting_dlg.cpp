#include "pages/wx/autofire_setting_dlg.h"

namespace vantor {

CAutoFireSettingDlg::CAutoFireSettingDlg(wxWindow* parent)
    : wxDialog(parent, wxID_ANY, wxString::FromUTF8(kAutoFireTemplate.Caption.data(),
                                                    kAutoFireTemplate.Caption.size())) {
  m_layout.CreateControls(*this, kAutoFireTemplate);
  // Ticks above the channel, one per step; GTK shows the position above
  // the knob where Windows shows it in a tooltip while dragging.
  m_slider = new wxSlider(this, kIdAutoFireSlider, 0, 0, kAutoFireSliderMax, wxDefaultPosition,
                          wxDefaultSize, wxSL_HORIZONTAL | wxSL_AUTOTICKS | wxSL_TOP | wxSL_VALUE_LABEL);
  m_slider->SetTickFreq(1);
  m_layout.Attach(kIdAutoFireSlider, *m_slider);
  m_layout.Place();
  CentreOnParent();
}

bool CAutoFireSettingDlg::TransferDataToWindow() {
  m_slider->SetValue(AutoFireSliderPosition(m_autoFire));
  return true;
}

bool CAutoFireSettingDlg::TransferDataFromWindow() {
  m_autoFire = AutoFireFromSlider(m_slider->GetValue());
  return true;
}

std::optional<std::uint8_t> CAutoFireDialogPrompt::Ask(std::uint8_t current) {
  CAutoFireSettingDlg dialog(m_parent);
  dialog.SetAutoFire(current);
  if (dialog.ShowModal() != wxID_OK) return std::nullopt;
  return dialog.GetAutoFire();
}

}  // namespace vantor
