// A grid row whose value is one name of a fixed list, picked from a
// drop-down, optionally with an "AF" button. wx makes in-place controls on
// the selected row only; these rows paint their drop-down and "AF" buttons
// on every row, and a click on the grid finds the button under the pointer.
#pragma once

#include <functional>
#include <span>
#include <string_view>

#include <wx/propgrid/propgrid.h>
#include <wx/propgrid/props.h>

namespace vantor {

class CChoiceRowProperty : public wxEnumProperty {
 public:
  CChoiceRowProperty(const wxString& label, std::span<const std::string_view> names,
                     std::string_view value, bool autoFireButton);

  bool HasAutoFireButton() const { return m_autoFire; }
  // The chosen name.
  std::string Name() const;
  // False, with the value kept, for a name the list does not hold.
  bool SetName(std::string_view name);

  const wxPGEditor* DoGetEditorClass() const override;
  wxPGCellRenderer* GetCellRenderer(int column) const override;

 private:
  bool m_autoFire;
};

// Where a row's painted buttons sit in its value cell: the "AF" button at
// the right end, the drop-down button left of it.
struct RowButtonPlaces {
  wxRect DropDown;
  wxRect AutoFire;  // empty for rows without one
};
RowButtonPlaces PlaceRowButtons(const wxRect& valueCell, bool autoFire, const wxWindow& grid);

// A click on a painted "AF" button calls onAutoFire with its row when the
// button is let go; a click on a painted drop-down button selects the row
// and opens its list.
void HandleRowButtonClicks(wxPropertyGrid& grid,
                           std::function<void(CChoiceRowProperty&)> onAutoFire);

}  // namespace vantor
