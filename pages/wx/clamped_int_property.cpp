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
}

bool CClampedIntProperty::ValidateValue(wxVariant& value, wxPGValidationInfo&) const {
  if (m_limits && !value.IsNull()) value = static_cast<long>(ClampToLimits(NumberOf(value), *m_limits));
  return true;
}

}  // namespace vantor
