#include "panel/simulated_gun_dlg.h"

#include <wx/button.h>
#include <wx/sizer.h>

#include <string>

#include "input/button_flags.h"

namespace vantor {
namespace {

constexpr const char* kTitle = "Simulated gun";
constexpr const char* kWheelCaption = "Wheel";

}  // namespace

CSimulatedGunDlg::CSimulatedGunDlg(wxWindow* parent,
                                   std::function<void(std::uint16_t)> sendReport)
    : wxDialog(parent, wxID_ANY, kTitle, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | wxSTAY_ON_TOP),
      m_sendReport(std::move(sendReport)) {
  auto* row = new wxBoxSizer(wxHORIZONTAL);
  // Mouse down and up on a button are the gun's press and release.
  auto addButton = [&](const wxString& caption, std::uint16_t down, std::uint16_t up) {
    auto* button = new wxButton(this, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
                                wxBU_EXACTFIT);
    button->Bind(wxEVT_LEFT_DOWN, [this, down](wxMouseEvent& e) {
      m_sendReport(down);
      e.Skip();
    });
    button->Bind(wxEVT_LEFT_UP, [this, up](wxMouseEvent& e) {
      m_sendReport(up);
      e.Skip();
    });
    row->Add(button, 0, wxALL, 4);
  };
  for (std::size_t n = 1; n <= kMouseButtonCount; ++n)
    addButton(std::to_string(n), ButtonDownFlag(n), ButtonUpFlag(n));
  addButton(kWheelCaption, ButtonFlags::Wheel, 0);
  SetSizerAndFit(row);
}

}  // namespace vantor
