#include <gtest/gtest.h>

#include <wx/frame.h>

#include "pages/wx/property_tab_ctrl.h"
#include "pages_host.h"

namespace vantor {
namespace {

bool OnScreen(wxWindow& page) { return page.IsShownOnScreen(); }

class TabControlTest : public PagesTest {
 protected:
  int PagesOnScreen() {
    int shown = 0;
    for (std::size_t i = 0; i < kPageCount; ++i) shown += OnScreen(Tabs().Page(i));
    return shown;
  }
};

TEST_F(TabControlTest, FourTabsWithButtonsMappingCurrentAndAloneOnScreen) {
  Open();
  ASSERT_EQ(Tabs().GetPageCount(), kPageCount);
  EXPECT_EQ(Tabs().GetPageText(0), "Buttons Mapping");
  EXPECT_EQ(Tabs().GetPageText(1), "Keys Mapping");
  EXPECT_EQ(Tabs().GetPageText(2), "Drivers Options");
  EXPECT_EQ(Tabs().GetPageText(3), "  Info  ");
  EXPECT_EQ(Tabs().GetSelection(), 0);
  EXPECT_TRUE(OnScreen(Tabs().ButtonsMapPage()));
  EXPECT_EQ(PagesOnScreen(), 1);
}

TEST_F(TabControlTest, ChangingTabsShowsExactlyThatPageOverTheWholeDisplayArea) {
  Open();
  const wxSize area = Tabs().ButtonsMapPage().GetSize();
  for (std::size_t i : {2u, 3u, 1u, 0u}) {
    Tabs().SetSelection(i);
    PumpEvents();
    EXPECT_TRUE(OnScreen(Tabs().Page(i))) << i;
    EXPECT_EQ(PagesOnScreen(), 1) << i;
    EXPECT_EQ(Tabs().Page(i).GetSize(), area) << i;
    EXPECT_GE(area.x, Tabs().Page(i).GetMinSize().x);
    EXPECT_GE(area.y, Tabs().Page(i).GetMinSize().y);
  }
}

TEST_F(TabControlTest, AHiddenPageKeepsItsEditsAndSwitchingStoresNothing) {
  Open();
  CKeysMapDlg& keys = Tabs().KeysMapPage();
  Tabs().SetSelection(1);
  keys.Grid().ChangePropertyValue(&keys.Row(2), 10);
  Tabs().SetSelection(3);
  PumpEvents();
  Tabs().SetSelection(1);
  PumpEvents();
  EXPECT_EQ(keys.Row(2).GetValueAsString(), wxString::FromUTF8(KeyChoices()[10].data()));
  EXPECT_EQ(adapter.Settings().ButtonRemap3, 0);
  Tabs().StorePagesToDevice();
  EXPECT_EQ(adapter.Settings().ButtonRemap3, KeyCodeFromName(KeyChoices()[10]));
}

TEST_F(TabControlTest, StorePagesToDeviceCollectsAllThreeSettingsPages) {
  Open();
  Tabs().ButtonsMapPage().Grid().ChangePropertyValue(&Tabs().ButtonsMapPage().Row(0), 9);
  Tabs().KeysMapPage().Grid().ChangePropertyValue(&Tabs().KeysMapPage().Row(0), 10);
  Tabs().DriverOptionsPage().Grid().ChangePropertyValue(&Tabs().DriverOptionsPage().Item(7), 500L);
  Tabs().StorePagesToDevice();
  EXPECT_EQ(adapter.Settings().ButtonMap6, MouseAction::Reload);
  EXPECT_EQ(adapter.Settings().ButtonRemap1, KeyCodeFromName(KeyChoices()[10]));
  EXPECT_EQ(adapter.Settings().XCenter, 500);
}

TEST_F(TabControlTest, StorePagesToDeviceWithoutCurrentDeviceChangesNothing) {
  Open();
  Tabs().KeysMapPage().Grid().ChangePropertyValue(&Tabs().KeysMapPage().Row(0), 10);
  Tabs().DriverOptionsPage().Grid().ChangePropertyValue(&Tabs().DriverOptionsPage().Item(7), 500L);
  adapter.Unplug();
  const GunSettings before = adapter.Settings();
  Tabs().StorePagesToDevice();
  EXPECT_EQ(adapter.Settings(), before);
}

TEST_F(TabControlTest, PagesReadTheCurrentDeviceOfTheTableNotACopy) {
  Open();
  GunDevice& second = (*adapter.Table.Entries)[1];
  second.Settings = ProfileDefaultSettings();
  second.Settings.ButtonRemap1 = 10;
  adapter.Table.CurrentDevice = &second;
  Tabs().KeysMapPage().FillFromSettings();
  EXPECT_EQ(Tabs().KeysMapPage().Row(0).GetValueAsString(), "Space");
}

TEST(TabControlWithoutPages, CanBeDestroyedBeforeItsPagesExist) {
  OneAdapterTable adapter;
  auto* frame = new wxFrame(nullptr, wxID_ANY, "tabs");
  auto* tabs = new CPropertyTabCtrl(frame, adapter.Table);
  tabs->StorePagesToDevice();
  EXPECT_EQ(adapter.Settings(), ProfileDefaultSettings());
  frame->Destroy();
  PumpEvents();
}

}  // namespace
}  // namespace vantor
