// A number row that keeps every value set into it within its limits, from
// code as well as typed, spun or slid; a value out of range is replaced by
// the nearer limit, never refused with a message.
#pragma once

#include <optional>

#include <wx/propgrid/props.h>

#include "pages/driver_options_model.h"

namespace vantor {

class CClampedIntProperty : public wxIntProperty {
 public:
  CClampedIntProperty(const wxString& label, const wxString& name, long value);

  // Applies from the next value set on; the present value stays as it is.
  void SetLimits(OptionLimits limits);
  std::optional<OptionLimits> Limits() const { return m_limits; }

  void OnSetValue() override;
  // Text that is no whole number leaves the value as it was.
  bool StringToValue(wxVariant& variant, const wxString& text, int argFlags = 0) const override;
  bool ValidateValue(wxVariant& value, wxPGValidationInfo& validationInfo) const override;

 private:
  // The row's text box shows what the row keeps, once an edit is committed:
  // the limited number, or the previous one for a refused text.
  void ShowKeptValueInEditor() const;

  std::optional<OptionLimits> m_limits;
};

}  // namespace vantor
