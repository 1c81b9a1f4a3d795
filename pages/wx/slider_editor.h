// Editor of the "Gun sensitivity" row: the number in a text box with a
// slider beside it, both kept in step. The slider takes the row's limits.
#pragma once

#include <wx/propgrid/editors.h>

namespace vantor {

class CSliderEditor : public wxPGTextCtrlEditor {
 public:
  // Registered with wx on first use.
  static const wxPGEditor* Get();

  wxString GetName() const override;
  wxPGWindowList CreateControls(wxPropertyGrid* grid, wxPGProperty* property, const wxPoint& pos,
                                const wxSize& size) const override;
  void UpdateControl(wxPGProperty* property, wxWindow* control) const override;
  bool OnEvent(wxPropertyGrid* grid, wxPGProperty* property, wxWindow* control,
               wxEvent& event) const override;
};

}  // namespace vantor
