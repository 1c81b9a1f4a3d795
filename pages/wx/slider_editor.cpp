#include "pages/wx/slider_editor.h"

#include <algorithm>

#include <wx/propgrid/propgrid.h>
#include <wx/slider.h>
#include <wx/textctrl.h>

#include "pages/wx/clamped_int_property.h"

namespace vantor {
namespace {

OptionLimits LimitsOf(const wxPGProperty& property) {
  if (const auto* number = dynamic_cast<const CClampedIntProperty*>(&property))
    if (number->Limits()) return *number->Limits();
  return {0, 100};
}

int SliderValueOf(const wxPGProperty& property) {
  return ClampToLimits(property.GetValue().GetLong(), LimitsOf(property));
}

}  // namespace

const wxPGEditor* CSliderEditor::Get() {
  static const wxPGEditor* const editor = wxPropertyGrid::RegisterEditorClass(new CSliderEditor);
  return editor;
}

wxString CSliderEditor::GetName() const { return "VantorSlider"; }

wxPGWindowList CSliderEditor::CreateControls(wxPropertyGrid* grid, wxPGProperty* property,
                                             const wxPoint& pos, const wxSize& size) const {
  const int textWidth = std::max(size.x / 4, grid->GetCharWidth() * 6);
  wxWindow* text =
      wxPGTextCtrlEditor::CreateControls(grid, property, pos, wxSize(textWidth, size.y)).GetPrimary();
  const OptionLimits limits = LimitsOf(*property);
  auto* slider = new wxSlider(grid->GetPanel(), wxID_ANY, SliderValueOf(*property), limits.Low,
                              limits.High, wxPoint(pos.x + textWidth, pos.y),
                              wxSize(size.x - textWidth, size.y), wxSL_HORIZONTAL);
  // Moving the slider is an edit of the row, committed at once.
  slider->Bind(wxEVT_SLIDER, [grid, slider](wxCommandEvent&) {
    if (auto* box = dynamic_cast<wxTextCtrl*>(grid->GetEditorControl()))
      box->ChangeValue(wxString::Format("%d", slider->GetValue()));
    grid->EditorsValueWasModified();
    grid->CommitChangesFromEditor();
  });
  return wxPGWindowList(text, slider);
}

void CSliderEditor::UpdateControl(wxPGProperty* property, wxWindow* control) const {
  wxPGTextCtrlEditor::UpdateControl(property, control);
  if (wxPropertyGrid* grid = property->GetGrid())
    if (auto* slider = dynamic_cast<wxSlider*>(grid->GetEditorControlSecondary()))
      slider->SetValue(SliderValueOf(*property));
}

bool CSliderEditor::OnEvent(wxPropertyGrid* grid, wxPGProperty* property, wxWindow* control,
                            wxEvent& event) const {
  // A typed number moves the slider as far as its range goes.
  if (event.GetEventType() == wxEVT_TEXT && control == grid->GetEditorControl()) {
    long typed = 0;
    auto* slider = dynamic_cast<wxSlider*>(grid->GetEditorControlSecondary());
    auto* box = dynamic_cast<wxTextCtrl*>(control);
    if (slider && box && box->GetValue().ToLong(&typed))
      slider->SetValue(ClampToLimits(typed, LimitsOf(*property)));
  }
  return wxPGTextCtrlEditor::OnEvent(grid, property, control, event);
}

}  // namespace vantor
