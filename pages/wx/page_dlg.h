// What the four pages of the main panel share: each is a borderless child
// window built from its template, made when the tab control creates its
// pages, and swallowing Enter and Escape as the panel does.
#pragma once

#include <wx/panel.h>

#include "pages/wx/template_window.h"

namespace vantor {

class CPageDlg : public wxPanel {
 public:
  // Makes the page's window under parent and builds its content.
  void CreatePage(wxWindow* parent);

 protected:
  virtual void OnInitDialog() = 0;

  CTemplateLayout m_layout;
};

}  // namespace vantor
