#include <gtest/gtest.h>

#include <wx/slider.h>
#include <wx/textctrl.h>

#include "pages/wx/driver_options_dlg.h"
#include "pages_host.h"

namespace vantor {
namespace {

enum Option : std::size_t { kFreeMouse, kSensitivity, kTop, kBottom, kLeft, kRight, kCentering, kX, kY };

class DriverOptionsPageTest : public PagesTest {
 protected:
  CDriverOptionsDlg& Page() { return Tabs().DriverOptionsPage(); }
  CPageGrid& Grid() { return Page().Grid(); }
  long Shown(Option option) { return Page().Item(option).GetValue().GetLong(); }
  bool Ticked(Option option) { return Page().Item(option).GetValue().GetBool(); }

  // Types into the row's text box and leaves it, as a user would.
  void Type(Option option, const wxString& text) {
    Grid().SelectProperty(&Page().Item(option), true);
    auto* box = dynamic_cast<wxTextCtrl*>(Grid().GetEditorControl());
    ASSERT_NE(box, nullptr);
    box->SetValue(text);  // sends the text event that marks the edit
    Grid().CommitChangesFromEditor();
  }
};

TEST_F(DriverOptionsPageTest, FillLimitsOutOfRangeValuesAndStoreWritesThem) {
  Open();
  adapter.Settings().Sensitivity = 15;
  adapter.Settings().UpEdge = 20000;
  adapter.Settings().FreeMouseCursor = 5;
  Page().FillFromSettings();
  EXPECT_EQ(Shown(kSensitivity), 10);
  EXPECT_EQ(Shown(kTop), 10000);
  EXPECT_TRUE(Ticked(kFreeMouse));
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().Sensitivity, 10);
  EXPECT_EQ(adapter.Settings().UpEdge, 10000);
  EXPECT_EQ(adapter.Settings().FreeMouseCursor, 1);
}

TEST_F(DriverOptionsPageTest, FirstValuesShowAsStoredUntilNextSet) {
  adapter.Settings().Sensitivity = 15;
  adapter.Settings().UpEdge = 20000;
  Open();
  EXPECT_EQ(Shown(kSensitivity), 15);
  EXPECT_EQ(Shown(kTop), 20000);
  Grid().SetPropertyValue(&Page().Item(kTop), 20000L);
  EXPECT_EQ(Shown(kTop), 10000) << "a value set from code is limited";
}

struct TypedCase {
  Option option;
  const char* typed;
  long kept;
};

TEST_F(DriverOptionsPageTest, TypedNumbersAreLimitedWithoutComplaint) {
  Open();
  const TypedCase cases[] = {{kX, "20000", 10000}, {kY, "-5", 0}, {kLeft, "99999999999", 10000},
                             {kRight, "700", 700}, {kSensitivity, "15", 10}};
  for (const TypedCase& c : cases) {
    Type(c.option, c.typed);
    EXPECT_EQ(Shown(c.option), c.kept) << c.typed;
  }
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().XCenter, 10000);
  EXPECT_EQ(adapter.Settings().YCenter, 0);
  EXPECT_EQ(adapter.Settings().LeftEdge, 10000);
  EXPECT_EQ(adapter.Settings().RightEdge, 700);
  EXPECT_EQ(adapter.Settings().Sensitivity, 10);
}

// The row's text box shows the kept value as soon as the edit is committed,
// also when the kept value is the one the row had already.
TEST_F(DriverOptionsPageTest, TypedNumbersShowLimitedOnceCommitted) {
  Open();
  for (const char* typed : {"99999", "99999", "-3"}) {
    Type(kX, typed);
    PumpEvents();
    auto* box = wxDynamicCast(Grid().GetEditorControl(), wxTextCtrl);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetValue(), Page().Item(kX).GetValueAsString()) << typed;
  }
  EXPECT_EQ(Shown(kX), 0);
}

// Not a number: the row keeps its value, the box shows it again, and no
// message box comes up (a modal one here would hang the test).
TEST_F(DriverOptionsPageTest, TypedNonNumberKeepsThePreviousValueWithoutAMessage) {
  Open();
  Type(kRight, "700");
  for (const char* typed : {"abc", "7x", ""}) {
    Type(kRight, typed);
    PumpEvents();
    EXPECT_EQ(Shown(kRight), 700) << typed;
    auto* box = wxDynamicCast(Grid().GetEditorControl(), wxTextCtrl);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetValue(), "700") << typed;
  }
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().RightEdge, 700);
}

TEST_F(DriverOptionsPageTest, TypedButUncommittedEditCountsAtTheStore) {
  Open();
  Grid().SelectProperty(&Page().Item(kX), true);
  auto* box = dynamic_cast<wxTextCtrl*>(Grid().GetEditorControl());
  ASSERT_NE(box, nullptr);
  box->SetValue("1234");
  Tabs().StorePagesToDevice();
  EXPECT_EQ(adapter.Settings().XCenter, 1234);
}

TEST_F(DriverOptionsPageTest, SensitivitySliderAndTextBoxGoTogether) {
  Open();
  Grid().SelectProperty(&Page().Item(kSensitivity), true);
  auto* slider = dynamic_cast<wxSlider*>(Grid().GetEditorControlSecondary());
  auto* box = dynamic_cast<wxTextCtrl*>(Grid().GetEditorControl());
  ASSERT_NE(slider, nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(slider->GetMin(), 0);
  EXPECT_EQ(slider->GetMax(), 10);

  slider->SetValue(7);
  wxCommandEvent moved(wxEVT_SLIDER, slider->GetId());
  moved.SetEventObject(slider);
  moved.SetInt(7);
  slider->GetEventHandler()->ProcessEvent(moved);
  EXPECT_EQ(box->GetValue(), "7");
  EXPECT_EQ(Shown(kSensitivity), 7);

  box->SetValue("12");
  EXPECT_EQ(slider->GetValue(), 10) << "a typed number moves the slider within its range";
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().Sensitivity, 10);
}

TEST_F(DriverOptionsPageTest, CheckBoxesStoreOneOrZero) {
  Open();
  Grid().ChangePropertyValue(&Page().Item(kCentering), true);
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().UseCentering, 1);
  Grid().ChangePropertyValue(&Page().Item(kCentering), false);
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().UseCentering, 0);
  EXPECT_TRUE(Page().Item(kCentering).GetAttribute(wxPG_BOOL_USE_CHECKBOX).GetBool());
}

TEST_F(DriverOptionsPageTest, DefaultChangesOnlyTheGridUntilTheNextStore) {
  adapter.Settings().Sensitivity = 9;
  adapter.Settings().XCenter = 40;
  adapter.Settings().FreeMouseCursor = 0;
  const GunSettings before = adapter.Settings();
  Open();
  Click(*Page().FindWindow(kIdDriverOptionsDefault));
  EXPECT_EQ(Shown(kSensitivity), 0);
  EXPECT_EQ(Shown(kX), 0);
  EXPECT_EQ(Shown(kLeft), 137);
  EXPECT_TRUE(Ticked(kFreeMouse));
  EXPECT_EQ(adapter.Settings(), before);
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings(), ProfileDefaultSettings());
}

TEST_F(DriverOptionsPageTest, WithoutCurrentDeviceShowsDefaultsAndStoresNothing) {
  adapter.Settings().XCenter = 77;
  adapter.Unplug();
  Open();
  EXPECT_TRUE(Ticked(kFreeMouse));
  EXPECT_EQ(Shown(kBottom), 255);
  EXPECT_EQ(Shown(kX), 0);
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().XCenter, 77);
}

TEST_F(DriverOptionsPageTest, RowsAreTallEnoughForTheSliderAndSpinButtons) {
  Open();
  EXPECT_GE(Grid().GetRowHeight(), kControlRowHeight);
  Grid().SelectProperty(&Page().Item(kTop), true);
  PumpEvents();
  wxWindow* spin = Grid().GetEditorControlSecondary();
  ASSERT_NE(spin, nullptr);
  EXPECT_LE(spin->GetSize().y, Grid().GetRowHeight());
}

}  // namespace
}  // namespace vantor
