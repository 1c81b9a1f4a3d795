#include "pages/wx/choice_row_property.h"

#include <algorithm>
#include <memory>

#include <wx/dc.h>
#include <wx/dcclient.h>
#include <wx/odcombo.h>
#include <wx/propgrid/editors.h>
#include <wx/renderer.h>
#include <wx/settings.h>

#include "pages/buttons_map_model.h"

namespace vantor {
namespace {

wxString Text(std::string_view text) { return wxString::FromUTF8(text.data(), text.size()); }

wxArrayString ChoicesOf(std::span<const std::string_view> names) {
  wxArrayString choices;
  for (std::string_view name : names) choices.Add(Text(name));
  return choices;
}

void DrawAutoFireButton(wxWindow& window, wxDC& dc, const wxRect& place) {
  wxRendererNative::Get().DrawPushButton(&window, dc, place);
  const wxColour before = dc.GetTextForeground();
  dc.SetTextForeground(wxSystemSettings::GetColour(wxSYS_COLOUR_BTNTEXT));
  dc.DrawLabel(Text(kAutoFireButtonCaption), place, wxALIGN_CENTER);
  dc.SetTextForeground(before);
}

// The "AF" button beside the selected row's drop-down, where wx paints no
// cell: it looks like the painted ones and hands its clicks to the grid,
// which treats them as clicks on a painted button.
class CAutoFireButtonLook : public wxWindow {
 public:
  CAutoFireButtonLook(wxPropertyGrid& grid, const wxRect& place)
      : wxWindow(grid.GetPanel(), wxID_ANY, place.GetPosition(), place.GetSize(), wxBORDER_NONE),
        m_grid(grid) {
    SetBackgroundStyle(wxBG_STYLE_PAINT);
    Bind(wxEVT_PAINT, [this](wxPaintEvent&) {
      wxPaintDC dc(this);
      dc.SetBackground(wxBrush(m_grid.GetCellBackgroundColour()));
      dc.Clear();
      DrawAutoFireButton(*this, dc, wxRect(GetClientSize()));
    });
    Bind(wxEVT_LEFT_DOWN, &CAutoFireButtonLook::HandToGrid, this);
    Bind(wxEVT_LEFT_UP, &CAutoFireButtonLook::HandToGrid, this);
  }

 private:
  void HandToGrid(wxMouseEvent& event) {
    wxMouseEvent onGrid(event);
    onGrid.SetPosition(event.GetPosition() + GetPosition());
    onGrid.SetEventObject(&m_grid);
    onGrid.SetId(m_grid.GetId());
    m_grid.GetEventHandler()->ProcessEvent(onGrid);
  }

  wxPropertyGrid& m_grid;
};

// The drop-down list of the selected row, narrowed to leave room for the
// "AF" button.
class CChoiceBesideAutoFireEditor : public wxPGChoiceEditor {
 public:
  static const wxPGEditor* Get() {
    static const wxPGEditor* const editor =
        wxPropertyGrid::RegisterEditorClass(new CChoiceBesideAutoFireEditor);
    return editor;
  }
  wxString GetName() const override { return "VantorChoiceBesideAutoFire"; }
  wxPGWindowList CreateControls(wxPropertyGrid* grid, wxPGProperty* property, const wxPoint& pos,
                                const wxSize& size) const override {
    const RowButtonPlaces places =
        PlaceRowButtons(wxRect(pos, size), /*autoFire=*/true, *grid);
    wxPGWindowList controls = wxPGChoiceEditor::CreateControls(
        grid, property, pos, wxSize(places.AutoFire.x - pos.x, size.y));
    controls.SetSecondary(new CAutoFireButtonLook(*grid, places.AutoFire));
    return controls;
  }
};

class CRowButtonsRenderer : public wxPGDefaultRenderer {
 public:
  bool Render(wxDC& dc, const wxRect& rect, const wxPropertyGrid* grid, wxPGProperty* property,
              int column, int item, int flags) const override {
    const auto* row = dynamic_cast<const CChoiceRowProperty*>(property);
    // The list's own entries and the drop-down's text box get plain text.
    if (!row || column != 1 || (flags & (Control | ChoicePopup)))
      return wxPGDefaultRenderer::Render(dc, rect, grid, property, column, item, flags);

    const RowButtonPlaces places = PlaceRowButtons(rect, row->HasAutoFireButton(), *grid);
    wxRect text = rect;
    text.width = std::max(0, places.DropDown.x - rect.x);
    const bool drawn = wxPGDefaultRenderer::Render(dc, text, grid, property, column, item, flags);

    auto* window = const_cast<wxPropertyGrid*>(grid);
    wxRendererNative& native = wxRendererNative::Get();
    native.DrawComboBoxDropButton(window, dc, places.DropDown);
    if (!places.AutoFire.IsEmpty()) DrawAutoFireButton(*window, dc, places.AutoFire);
    return drawn;
  }
};

// Which painted button a point of the grid's client area is on.
enum class RowButton { None, DropDown, AutoFire };

struct RowButtonHit {
  CChoiceRowProperty* Row = nullptr;
  RowButton Button = RowButton::None;
};

RowButtonHit HitRowButton(const wxPropertyGrid& grid, wxPoint point) {
  const wxPropertyGridHitTestResult hit = grid.HitTest(point);
  auto* row = dynamic_cast<CChoiceRowProperty*>(hit.GetProperty());
  if (!row || hit.GetColumn() != 1) return {};
  const int left = grid.GetSplitterPosition();
  const wxRect cell(left, 0, grid.GetClientSize().x - left, grid.GetRowHeight());
  const RowButtonPlaces places = PlaceRowButtons(cell, row->HasAutoFireButton(), grid);
  if (!places.AutoFire.IsEmpty() && point.x >= places.AutoFire.x) return {row, RowButton::AutoFire};
  if (point.x >= places.DropDown.x && point.x < places.DropDown.GetRight() + 1)
    return {row, RowButton::DropDown};
  return {row, RowButton::None};
}

}  // namespace

CChoiceRowProperty::CChoiceRowProperty(const wxString& label,
                                       std::span<const std::string_view> names,
                                       std::string_view value, bool autoFireButton)
    : wxEnumProperty(label, wxPG_LABEL, ChoicesOf(names)), m_autoFire(autoFireButton) {
  SetName(value);
}

std::string CChoiceRowProperty::Name() const { return GetValueAsString().utf8_string(); }

bool CChoiceRowProperty::SetName(std::string_view name) {
  const int index = m_choices.Index(Text(name));
  if (index == wxNOT_FOUND) return false;
  SetChoiceSelection(index);
  return true;
}

const wxPGEditor* CChoiceRowProperty::DoGetEditorClass() const {
  return m_autoFire ? CChoiceBesideAutoFireEditor::Get() : wxPGEditor_Choice;
}

wxPGCellRenderer* CChoiceRowProperty::GetCellRenderer(int column) const {
  static CRowButtonsRenderer renderer;
  if (column == 1) return &renderer;
  return wxEnumProperty::GetCellRenderer(column);
}

RowButtonPlaces PlaceRowButtons(const wxRect& valueCell, bool autoFire, const wxWindow& grid) {
  const int height = valueCell.height;
  const int autoFireWidth =
      autoFire ? std::max(height + 4, grid.GetTextExtent(Text(kAutoFireButtonCaption)).x + 16) : 0;
  const int right = valueCell.x + valueCell.width;
  const int dropDownWidth = std::min(height, std::max(0, valueCell.width - autoFireWidth));
  RowButtonPlaces places;
  places.AutoFire = wxRect(right - autoFireWidth, valueCell.y, autoFireWidth, autoFire ? height : 0);
  places.DropDown = wxRect(right - autoFireWidth - dropDownWidth, valueCell.y, dropDownWidth, height);
  return places;
}

void HandleRowButtonClicks(wxPropertyGrid& grid,
                           std::function<void(CChoiceRowProperty&)> onAutoFire) {
  // The "AF" button acts when let go over the row it was pressed on.
  auto pressed = std::make_shared<CChoiceRowProperty*>(nullptr);
  grid.Bind(wxEVT_LEFT_DOWN, [&grid, pressed](wxMouseEvent& event) {
    const RowButtonHit hit = HitRowButton(grid, event.GetPosition());
    *pressed = nullptr;
    switch (hit.Button) {
      case RowButton::AutoFire:
        *pressed = hit.Row;
        return;
      case RowButton::DropDown:
        grid.SelectProperty(hit.Row, true);
        grid.CallAfter([&grid, row = hit.Row] {
          if (grid.IsBeingDeleted() || grid.GetSelection() != row) return;
          if (auto* list = dynamic_cast<wxOwnerDrawnComboBox*>(grid.GetEditorControl())) list->Popup();
        });
        return;
      case RowButton::None:
        event.Skip();
        return;
    }
  });
  grid.Bind(wxEVT_LEFT_UP, [&grid, pressed, onAutoFire = std::move(onAutoFire)](wxMouseEvent& event) {
    CChoiceRowProperty* row = *pressed;
    *pressed = nullptr;
    const RowButtonHit hit = HitRowButton(grid, event.GetPosition());
    if (!row) {
      event.Skip();
      return;
    }
    if (hit.Row == row && hit.Button == RowButton::AutoFire) onAutoFire(*row);
  });
}

}  // namespace vantor
