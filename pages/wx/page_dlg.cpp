#include "pages/wx/page_dlg.h"

#include "pages/wx/enter_escape_filter.h"

namespace vantor {

void CPageDlg::CreatePage(wxWindow* parent) {
  Create(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxTAB_TRAVERSAL | wxBORDER_NONE);
  SwallowEnterAndEscape(*this);
  OnInitDialog();
  Bind(wxEVT_SIZE, [this](wxSizeEvent& event) {
    m_layout.FollowSize();
    event.Skip();
  });
}

}  // namespace vantor
