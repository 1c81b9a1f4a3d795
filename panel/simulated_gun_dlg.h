// The demo's stand-in for the gun's buttons: pressing and releasing buttons
// 1 to 5 here sends the reports the current adapter's mouse would send, and
// the wheel button sends one wheel report, then a plain one when released.
#pragma once

#include <wx/dialog.h>

#include <cstdint>
#include <functional>

namespace vantor {

class CSimulatedGunDlg final : public wxDialog {
 public:
  // sendReport gets the button flags of one mouse report.
  CSimulatedGunDlg(wxWindow* parent, std::function<void(std::uint16_t flags)> sendReport);

 private:
  std::function<void(std::uint16_t)> m_sendReport;
};

}  // namespace vantor
