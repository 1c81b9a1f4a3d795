// The AutoFire setting dialog: the repeat rate of one gun button on a
// slider from 0 to 25. It touches no settings; the caller reads the value
// after OK.
#pragma once

#include <cstdint>
#include <optional>

#include <wx/dialog.h>
#include <wx/slider.h>

#include "pages/autofire_setting.h"
#include "pages/wx/template_window.h"

namespace vantor {

class CAutoFireSettingDlg : public wxDialog {
 public:
  explicit CAutoFireSettingDlg(wxWindow* parent);

  // Set before the dialog runs; read after it ended with OK.
  void SetAutoFire(std::uint8_t value) { m_autoFire = value; }
  std::uint8_t GetAutoFire() const { return m_autoFire; }

  wxSlider& Slider() { return *m_slider; }

  // The slider starts at the value; OK takes its position.
  bool TransferDataToWindow() override;
  bool TransferDataFromWindow() override;

 private:
  std::uint8_t m_autoFire = 0;
  wxSlider* m_slider = nullptr;
  CTemplateLayout m_layout;
};

// The prompt behind the "AF" buttons in the program: runs the dialog
// modally over the given window.
class CAutoFireDialogPrompt : public AutoFirePrompt {
 public:
  explicit CAutoFireDialogPrompt(wxWindow* parent) : m_parent(parent) {}
  std::optional<std::uint8_t> Ask(std::uint8_t current) override;

 private:
  wxWindow* m_parent;
};

}  // namespace vantor
