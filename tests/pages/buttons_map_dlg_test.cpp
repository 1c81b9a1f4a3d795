#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <vector>

#include <wx/dcmemory.h>
#include <wx/odcombo.h>

#include "pages/wx/buttons_map_dlg.h"
#include "case_name.h"
#include "pages_host.h"

namespace vantor {
namespace {

constexpr std::size_t kRowA = 0, kRowC = 2, kRowSelect = 5;

class RecordingPrompt : public AutoFirePrompt {
 public:
  explicit RecordingPrompt(std::optional<std::uint8_t> answer) : m_answer(answer) {}
  std::optional<std::uint8_t> Ask(std::uint8_t current) override {
    Asked.push_back(current);
    return m_answer;
  }
  std::vector<std::uint8_t> Asked;

 private:
  std::optional<std::uint8_t> m_answer;
};

// Where the painted buttons of a row are, in the grid's client area.
RowButtonPlaces ButtonsOf(CPageGrid& grid, CChoiceRowProperty& row) {
  const wxRect line = grid.GetPropertyRect(&row, &row);
  const int left = grid.GetSplitterPosition();
  return PlaceRowButtons(wxRect(left, line.y, grid.GetClientSize().x - left, grid.GetRowHeight()),
                         row.HasAutoFireButton(), grid);
}

wxPoint Centre(const wxRect& r) { return {r.x + r.width / 2, r.y + r.height / 2}; }

class ButtonsMapPageTest : public PagesTest {
 protected:
  CButtonsMapDlg& Page() { return Tabs().ButtonsMapPage(); }
  std::string Shown(std::size_t row) { return Page().Row(row).GetValueAsString().utf8_string(); }
};

TEST_F(ButtonsMapPageTest, FillShowsListNamesAndStoreWritesTheirCodes) {
  Open();
  adapter.Settings().ButtonMap3 = 0;
  adapter.Settings().ButtonMap6 = 10;
  adapter.Settings().SetOffScreenAs = 9;
  Page().FillFromSettings();
  EXPECT_EQ(Shown(kRowC), "Disabled");
  EXPECT_EQ(Shown(kRowA), "Reload");
  EXPECT_EQ(Shown(kOffScreenRow), "none");
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().ButtonMap3, 8);
  EXPECT_EQ(adapter.Settings().ButtonMap6, 10);
  EXPECT_EQ(adapter.Settings().SetOffScreenAs, 0);
}

TEST_F(ButtonsMapPageTest, AChoiceInTheGridReachesTheDeviceAtTheNextStore) {
  Open();
  Page().Grid().ChangePropertyValue(&Page().Row(kRowA), MouseAction::Reload - 1);  // as picked
  EXPECT_EQ(adapter.Settings().ButtonMap6, MouseAction::Button3);
  Tabs().StorePagesToDevice();
  EXPECT_EQ(adapter.Settings().ButtonMap6, MouseAction::Reload);
}

TEST_F(ButtonsMapPageTest, DefaultButtonShowsTheFactoryMappingAndStoresItLater) {
  for (ByteField f : kButtonMapFields) adapter.Settings().*f = MouseAction::FreeMouse;
  for (ByteField f : kAutoFireFields) adapter.Settings().*f = 9;
  const GunSettings before = adapter.Settings();
  Open();
  Click(*Page().FindWindow(kIdDefaultButton));
  EXPECT_EQ(Shown(kRowA), "Button3");
  EXPECT_EQ(Shown(kRowSelect), "Wheel Up");
  EXPECT_EQ(Shown(kOffScreenRow), "none");
  EXPECT_EQ(adapter.Settings(), before);
  Page().StoreToSettings();
  const std::uint8_t factory[] = {1, 4, 2, 6, 5, 3, 8, 8, 8, 8};
  for (std::size_t n = 0; n < kGunButtonCount; ++n)
    EXPECT_EQ(adapter.Settings().*kButtonMapFields[n], factory[n]) << n;
  for (ByteField f : kAutoFireFields) EXPECT_EQ(adapter.Settings().*f, 9);
}

TEST_F(ButtonsMapPageTest, PaintedAutoFireButtonAsksAndStoresAtOnce) {
  adapter.Settings().AutoFire4 = 40;
  Open();
  RecordingPrompt ok(25);
  Page().SetAutoFirePrompt(&ok);
  const wxPoint af = Centre(ButtonsOf(Page().Grid(), Page().Row(kRowSelect)).AutoFire);
  ClickAt(Page().Grid(), af);
  EXPECT_EQ(ok.Asked, std::vector<std::uint8_t>{40});
  EXPECT_EQ(adapter.Settings().AutoFire4, 25) << "without a store";

  RecordingPrompt cancel(std::nullopt);
  Page().SetAutoFirePrompt(&cancel);
  ClickAt(Page().Grid(), af);
  EXPECT_EQ(cancel.Asked, std::vector<std::uint8_t>{25});
  EXPECT_EQ(adapter.Settings().AutoFire4, 25);
}

TEST_F(ButtonsMapPageTest, SelectedRowsAutoFireButtonWorksToo) {
  adapter.Settings().AutoFire6 = 3;
  Open();
  RecordingPrompt ok(12);
  Page().SetAutoFirePrompt(&ok);
  Page().Grid().SelectProperty(&Page().Row(kRowA));
  PumpEvents();
  wxWindow* button = Page().Grid().GetEditorControlSecondary();
  ASSERT_NE(button, nullptr);
  const wxRect painted = ButtonsOf(Page().Grid(), Page().Row(kRowA)).AutoFire;
  EXPECT_EQ(button->GetRect().x, painted.x) << "in the painted button's place";
  EXPECT_EQ(button->GetRect().width, painted.width);
  EXPECT_NEAR(button->GetRect().height, painted.height, 1);
  ClickAt(*button, Centre(wxRect(button->GetClientSize())));
  EXPECT_EQ(ok.Asked, std::vector<std::uint8_t>{3});
  EXPECT_EQ(adapter.Settings().AutoFire6, 12);
}

TEST_F(ButtonsMapPageTest, AutoFireActsOnlyWhenLetGoOverTheSameButton) {
  Open();
  RecordingPrompt ok(1);
  Page().SetAutoFirePrompt(&ok);
  CPageGrid& grid = Page().Grid();
  PressMouseAt(grid, Centre(ButtonsOf(grid, Page().Row(kRowA)).AutoFire));
  ReleaseMouseAt(grid, Centre(ButtonsOf(grid, Page().Row(kRowSelect)).AutoFire));
  // The off-screen row has no "AF": its right end is its drop-down button.
  ClickAt(grid, Centre(ButtonsOf(grid, Page().Row(kOffScreenRow)).DropDown));
  EXPECT_TRUE(ok.Asked.empty());
}

TEST_F(ButtonsMapPageTest, PaintedDropDownButtonOpensTheRowsList) {
  Open();
  CPageGrid& grid = Page().Grid();
  ClickAt(grid, Centre(ButtonsOf(grid, Page().Row(kRowC)).DropDown));
  EXPECT_EQ(grid.GetSelection(), &Page().Row(kRowC));
  wxOwnerDrawnComboBox* list = nullptr;
  EXPECT_TRUE(PumpUntil([&] {
    list = dynamic_cast<wxOwnerDrawnComboBox*>(grid.GetEditorControl());
    return list && list->IsPopupShown();
  }));
  if (list) list->Dismiss();
  PumpEvents();
}

TEST_F(ButtonsMapPageTest, WithoutCurrentDeviceShowsFallbacksAndAutoFireDoesNothing) {
  adapter.Unplug();
  Open();
  EXPECT_EQ(Shown(kRowA), "Disabled");
  EXPECT_EQ(Shown(kOffScreenRow), "none");
  RecordingPrompt ok(5);
  Page().SetAutoFirePrompt(&ok);
  ClickAt(Page().Grid(), Centre(ButtonsOf(Page().Grid(), Page().Row(kRowA)).AutoFire));
  EXPECT_TRUE(ok.Asked.empty());
}

TEST_F(ButtonsMapPageTest, CategoryRowShowsItsTooltip) {
  Open();
  CPageGrid& grid = Page().Grid();
  wxPGProperty* category = grid.wxPropertyGridInterface::GetFirst(wxPG_ITERATE_CATEGORIES);
  ASSERT_NE(category, nullptr);
  const wxRect categoryRow = grid.GetPropertyRect(category, category);
  MoveMouseTo(grid, Centre(categoryRow));
  EXPECT_EQ(grid.GetToolTipText(), "Map gun button to mouse button and set button repeat rate.");
  const wxRect row = grid.GetPropertyRect(&Page().Row(kRowSelect), &Page().Row(kRowSelect));
  MoveMouseTo(grid, wxPoint(10, row.y + row.height / 2));
  EXPECT_EQ(grid.GetToolTipText(), "");
}

// Marks lit by a run of raw reports, read back from the drawn display.
struct DisplayCase {
  const char* name;
  std::vector<std::uint16_t> reports;
  std::uint8_t wheelHeld;
  std::array<bool, kMarkCount> lit;
  friend void PrintTo(const DisplayCase& c, std::ostream* os) { *os << c.name; }
};

class PressedButtonsDisplay : public ButtonsMapPageTest,
                              public testing::WithParamInterface<DisplayCase> {};

TEST_P(PressedButtonsDisplay, LitMarksAreOrangeAtTheirCentres) {
  Open();
  adapter.Device().WheelHeld = GetParam().wheelHeld;
  for (std::uint16_t flags : GetParam().reports) Page().UpdatePressedButtons(flags);

  const wxSize size = Page().PressedButtonsView().GetClientSize();
  wxBitmap picture(size.x, size.y, 24);
  {
    wxMemoryDC dc(picture);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    DrawPressedButtons(dc, Page().Model().Pressed(), *wxBLACK);
  }
  const wxColour orange(kLitMarkColour.R, kLitMarkColour.G, kLitMarkColour.B);
  for (std::size_t i = 0; i < kMarkCount; ++i) {
    const PixelBox& mark = kPressedMarks[i].Mark;
    const wxColour centre = PixelAt(picture, {mark.CentreX(), mark.CentreY()});
    if (GetParam().lit[i])
      EXPECT_EQ(centre, orange) << "mark " << i + 1;
    else
      EXPECT_NE(centre, orange) << "mark " << i + 1;
    EXPECT_NE(PixelAt(picture, {mark.CentreX(), mark.Top}), orange) << "outline of mark " << i + 1;
  }
}

using namespace ButtonFlags;
INSTANTIATE_TEST_SUITE_P(
    Reports, PressedButtonsDisplay,
    testing::Values(
        DisplayCase{"NothingPressed", {}, 0, {false, false, false, false, false, false}},
        DisplayCase{"OneThreeAndWheel", {Button1Down, Button3Down | Wheel}, 0, {true, false, true, false, false, true}},
        DisplayCase{"DownAndUpTogether", {Button1Down | Button1Up}, 0, {false, false, false, false, false, false}},
        DisplayCase{"AllDownThenTwoUp",
                    {Button1Down | Button2Down | Button3Down | Button4Down | Button5Down, Button2Up | Button4Up},
                    0,
                    {true, false, true, false, true, false}},
        DisplayCase{"HeldWheelGoesOut", {Wheel, 0}, 1, {false, false, false, false, false, false}}),
    CaseName());

TEST_F(ButtonsMapPageTest, DisplayFitsItsMarksAndLabels) {
  Open();
  const wxSize size = Page().PressedButtonsView().GetClientSize();
  EXPECT_GE(size.x, kWheelLabelBox.Right);
  EXPECT_GE(size.y, kPressedMarks[0].Mark.Bottom);
}

}  // namespace
}  // namespace vantor
