#include "pages/wx/about_dlg.h"

#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "pages/info_model.h"
#include "pages/maker_links.h"
#include "pages/wx/app_icon.h"
#include "pages/wx/grid_page.h"

namespace vantor {

CAboutDlg::CAboutDlg(wxWindow* parent) : wxDialog(parent, wxID_ANY, WxText(kAboutTemplate.Caption)) {
  m_layout.CreateControls(*this, kAboutTemplate);
  auto* icon = new wxStaticBitmap(this, kIdAboutIcon, AppIconBitmap());
  m_layout.Attach(kIdAboutIcon, *icon);
  m_layout.Control(kIdAboutNotice)->SetLabel(WxText(kMakerNotice));
  m_layout.Place();
  SetIcon(AppIcon());
  CentreOnParent();
}

void RunAboutBox(wxWindow* parent) {
  CAboutDlg about(parent);
  about.ShowModal();
}

}  // namespace vantor
