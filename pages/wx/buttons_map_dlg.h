// The Buttons Mapping page: the mouse action of each gun button and of an
// off-screen shot, the "AF" buttons for the repeat rates, the "Default"
// button and the pressed-button display.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include <wx/propgrid/propgrid.h>

#include "pages/buttons_map_model.h"
#include "pages/wx/autofire_setting_dlg.h"
#include "pages/wx/choice_row_property.h"
#include "pages/wx/settings_page_dlg.h"
#include "pages/wx/pressed_buttons_view.h"

namespace vantor {

class CButtonsMapDlg : public CSettingsPageDlg<ButtonsMapModel> {
 public:
  explicit CButtonsMapDlg(DeviceTable& devices);

  // The transition bits of one raw mouse report of the current device.
  void UpdatePressedButtons(std::uint16_t buttonFlags);

  // Where the "AF" buttons ask; the AutoFire setting dialog unless a test
  // puts its own prompt here.
  void SetAutoFirePrompt(AutoFirePrompt* prompt) { m_prompt = prompt; }

  CChoiceRowProperty& Row(std::size_t row) { return *m_rows[row]; }
  CPressedButtonsView& PressedButtonsView() { return *m_pressedView; }

 protected:
  void OnInitDialog() override;

 private:
  void OnGridChanged(wxPropertyGridEvent& event);
  void OnAutoFire(CChoiceRowProperty& row);
  void ShowValues() override;

  std::array<CChoiceRowProperty*, kButtonRowCount> m_rows{};
  CPressedButtonsView* m_pressedView = nullptr;
  AutoFirePrompt* m_prompt = nullptr;
  std::unique_ptr<CAutoFireDialogPrompt> m_dialogPrompt;
};

}  // namespace vantor
