// The baseline of the start-up benchmark: the least a wx program must do to
// show a dialog, quitting once it is shown and idle.
#include <wx/app.h>
#include <wx/button.h>
#include <wx/dialog.h>

#include "panel/exit_when_shown.h"

class MinimalApp : public wxApp {
 public:
  bool OnInit() override {
    auto* dialog = new wxDialog(nullptr, wxID_ANY, "Minimal");
    new wxButton(dialog, wxID_OK, "OK");
    dialog->Show();
    if (argc > 1 && argv[1] == "--exit-when-shown") vantor::ExitWhenShown(dialog, [dialog] { dialog->Destroy(); });
    return true;
  }
};

wxIMPLEMENT_APP(MinimalApp);
