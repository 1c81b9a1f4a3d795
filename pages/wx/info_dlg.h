// The Info page: the panel's name and version in a large bold font, a
// feedback sentence, links to the maker's web site and sales address, and
// the button that opens the About box.
#pragma once

#include <functional>

#include <wx/font.h>
#include <wx/hyperlink.h>
#include <wx/generic/hyperlink.h>

#include "pages/wx/page_dlg.h"

namespace vantor {

class CInfoDlg : public CPageDlg {
 public:
  CInfoDlg();

  // What "&About VantorPanel..." does; the panel opens the About box here.
  void SetAboutCommand(std::function<void()> command) { m_aboutCommand = std::move(command); }

  const wxFont& TitleFont() const { return m_titleFont; }
  wxGenericHyperlinkCtrl& WebSiteLink() { return *m_webSite; }
  wxGenericHyperlinkCtrl& EmailLink() { return *m_email; }

 protected:
  void OnInitDialog() override;

 private:
  void OnAbout(wxCommandEvent& event);

  wxFont m_titleFont;
  wxGenericHyperlinkCtrl* m_webSite = nullptr;
  wxGenericHyperlinkCtrl* m_email = nullptr;
  std::function<void()> m_aboutCommand;
};

// The menu font (on GTK the default GUI font) at 1.6 times its size, bold.
wxFont MakeTitleFont(const wxFont& menuFont);

}  // namespace vantor
