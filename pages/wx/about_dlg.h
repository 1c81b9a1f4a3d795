// The About box: the program's icon, name and version, and the maker's
// notice. OK, Escape and the close box end it.
#pragma once

#include <wx/dialog.h>

#include "pages/wx/template_window.h"

namespace vantor {

class CAboutDlg : public wxDialog {
 public:
  explicit CAboutDlg(wxWindow* parent);

 private:
  CTemplateLayout m_layout;
};

// Runs the About box modally over parent.
void RunAboutBox(wxWindow* parent);

}  // namespace vantor
