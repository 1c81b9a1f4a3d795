// VantorPanel: one panel per machine, on the real adapters or, with
// --simulate N, on simulated ones with a window standing in for the gun.
#include <wx/app.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "panel/dialog_services.h"
#include "panel/exit_when_shown.h"
#include "panel/instance_lock.h"
#include "panel/log_asserts.h"
#include "panel/panel_backends.h"
#include "panel/panel_options.h"
#include "panel/vantor_panel_dlg.h"
#include "profiles/profile_folder.h"

namespace vantor {

class CVantorPanelApp final : public wxApp {
 public:
  explicit CVantorPanelApp(PanelCommandLine options) : m_options(std::move(options)) {}

  bool OnInit() override {
    LogAssertsToStderr();
    m_backends = MakePanelBackends(m_options);
    auto* panel = new CVantorPanelDlg({*m_backends.Bus, *m_backends.Mice, *m_backends.Keys,
                                       m_dialogs, GetProfilesFolder(), m_backends.Problems,
                                       m_backends.SimulatedMice});
    SetTopWindow(panel);
    panel->Show();
    if (m_options.Simulate) panel->ShowSimulatedGun();
    if (m_options.ExitWhenShown) ExitWhenShown(panel, [panel] { panel->OnExit(); });
    return true;
  }

 private:
  PanelCommandLine m_options;
  // These outlive the panel, which releases and reads through them.
  PanelBackends m_backends;
  WxDialogServices m_dialogs;
};

}  // namespace vantor

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  std::string error;
  auto options = vantor::ParsePanelCommandLine(args, error);
  if (!options) {
    std::cerr << "VantorPanel: " << error << '\n' << vantor::kPanelUsage;
    return 2;
  }
  // A second panel ends at once and quietly; the running one notices nothing.
  const auto instance = vantor::AcquireInstanceLock();
  if (!instance) return 0;

  wxApp::SetInstance(new vantor::CVantorPanelApp(std::move(*options)));
  int wxArgc = 1;
  return wxEntry(wxArgc, argv);
}
