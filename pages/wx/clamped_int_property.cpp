#include "pages/wx/clamped_int_property.h"

#include <wx/longlong.h>
#include <wx/propgrid/propgrid.h>

namespace vantor {
namespace {

// Typed numbers beyond a long arrive as a wxLongLong.
long long NumberOf(const wxVariant& value) {
  if (value.GetType() == "longlong") return value.GetLongLong().GetValue();
  return value.GetLong();
}

}  // namespace

CClampedIntProperty::CClampedIntProperty(const wxString& label, const wxString& name, long value)
    : wxIntProperty(label, name, value) {}

void CClampedIntProperty::SetLimits(OptionLimits limits) {
  m_limits = limits;
  // The spin buttons stop at the limits too.
  SetAttribute(wxPG_ATTR_MIN, static_cast<long>(limits.Low));
  SetAttribute(wxPG_ATTR_MAX, static_cast<long>(limits.High));
}

void CClampedIntProperty::OnSetValue() {
  if (m_limits && !m_value.IsNull())
    m_value = static_cast<long>(ClampToLimits(NumberOf(m_value), *m_limits));
  wxIntProperty::OnSetValue();
  ShowKeptValueInEditor();
}

bool CClampedIntProperty::StringToValue(wxVariant& variant, const wxString& text,
                                        int argFlags) const {
  wxString digits = text;
  digits.Trim(true).Trim(false);
  long long number = 0;
  if (!digits.ToLongLong(&number)) {
    ShowKeptValueInEditor();
    return false;  // unchanged
  }
  return wxIntProperty::StringToValue(variant, digits, argFlags);
}

// Later, once the grid has finished with the edit; the row may be gone by
// then, so it is looked for among the grid's rows, not dereferenced.
void CClampedIntProperty::ShowKeptValueInEditor() const {
  wxPropertyGrid* grid = GetGrid();
  if (!grid || grid->GetSelection() != this) return;
  const wxPGProperty* self = this;
  grid->CallAfter([grid, self] {
    wxPGProperty* selected = grid->GetSelection();
    if (selected == self && !grid->IsEditorsValueModified()) selected->RefreshEditor();
  });
}

bool CClampedIntProperty::ValidateValue(wxVariant& value, wxPGValidationInfo&) const {
  if (m_limits && !value.IsNull()) value = static_cast<long>(ClampToLimits(NumberOf(value), *m_limits));
  return true;
}

}  // namespace vantor
