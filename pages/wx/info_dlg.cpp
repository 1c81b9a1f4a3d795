#include "pages/wx/info_dlg.h"

#include <wx/button.h>
#include <wx/settings.h>

#include "pages/info_model.h"
#include "pages/maker_links.h"
#include "pages/wx/grid_page.h"

namespace vantor {

wxFont MakeTitleFont(const wxFont& menuFont) {
  wxFont title = menuFont;
  title.SetPointSize(TitleFontSize(menuFont.GetPointSize()));
  title.SetWeight(wxFONTWEIGHT_BOLD);
  return title;
}

CInfoDlg::CInfoDlg() : m_titleFont(MakeTitleFont(wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT))) {}

void CInfoDlg::OnInitDialog() {
  m_layout.CreateControls(*this, kInfoTemplate);
  m_layout.Control(kIdVersionText)->SetFont(m_titleFont);

  // Plain underlined text as the links, the tooltip naming the target.
  const std::string site = WebSiteTarget(kMakerWebSite);
  const std::string mail = EmailTarget(kMakerEmail);
  m_webSite = new wxGenericHyperlinkCtrl(this, kIdWebSiteLink, WxText(kMakerWebSite), WxText(site),
                                         wxDefaultPosition, wxDefaultSize, wxHL_DEFAULT_STYLE & ~wxHL_CONTEXTMENU);
  m_email = new wxGenericHyperlinkCtrl(this, kIdEmailLink, WxText(kMakerEmail), WxText(mail),
                                       wxDefaultPosition, wxDefaultSize, wxHL_DEFAULT_STYLE & ~wxHL_CONTEXTMENU);
  m_webSite->SetToolTip(WxText(site));
  m_email->SetToolTip(WxText(mail));
  m_layout.Attach(kIdWebSiteLink, *m_webSite);
  m_layout.Attach(kIdEmailLink, *m_email);
  m_layout.Place();
  Bind(wxEVT_BUTTON, &CInfoDlg::OnAbout, this, kIdAboutButton);
}

void CInfoDlg::OnAbout(wxCommandEvent&) {
  if (m_aboutCommand) m_aboutCommand();
}

}  // namespace vantor
