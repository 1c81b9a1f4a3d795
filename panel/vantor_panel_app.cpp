// VantorPanel: one panel per machine, on the real adapters or, with
// --simulate N, on simulated ones with a window standing in for the gun.
#include <wx/app.h>
#include <wx/log.h>

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "panel/dialog_services.h"
#include "panel/exit_when_shown.h"
#include "panel/instance_lock.h"
#include "panel/log_asserts.h"
#include "panel/panel_backends.h"
#include "panel/panel_messages.h"
#include "panel/panel_options.h"
#include "panel/vantor_panel_dlg.h"
#include "pages/wx/wx_text.h"
#include "profiles/profile_folder.h"

namespace vantor {

// Set when the toolkit found no display; main then ends with its sentence.
bool g_noDisplay = false;

class CVantorPanelApp final : public wxApp {
 public:
  // Message boxes are captioned with the display name ("VantorPanel Error"),
  // which wx would otherwise make from the program file's name.
  explicit CVantorPanelApp(PanelCommandLine options) : m_options(std::move(options)) {
    SetAppName(WxText(panel_text::kAppName));
    SetAppDisplayName(WxText(panel_text::kAppName));
  }

  // Without a display GTK cannot start, and wx's own complaint would try to
  // open a message box on the display that is not there (and die of it).
  bool Initialize(int& count, wxChar** values) override {
    bool started = false;
    {
      wxLogNull quiet;
      started = wxApp::Initialize(count, values);
    }
    if (!started) g_noDisplay = true;
    return started;
  }

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
  // A program started without even its own name (argc 0) has no arguments.
  const std::vector<std::string> args =
      argc > 1 ? std::vector<std::string>(argv + 1, argv + argc) : std::vector<std::string>();
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
  // wx sees only the program's name, when there is one.
  int wxArgc = argc > 0 ? 1 : 0;
  const int status = wxEntry(wxArgc, argv);
  if (vantor::g_noDisplay) {
    std::cerr << vantor::panel_text::kNoDisplay << '\n';
    return vantor::panel_text::kNoDisplayExitCode;
  }
  return status;
}
