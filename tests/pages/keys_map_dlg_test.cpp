#include <gtest/gtest.h>

#include "pages/wx/keys_map_dlg.h"
#include "pages_host.h"

namespace vantor {
namespace {

class KeysMapPageTest : public PagesTest {
 protected:
  CKeysMapDlg& Page() { return Tabs().KeysMapPage(); }
  std::string Shown(std::size_t row) { return Page().Row(row).GetValueAsString().utf8_string(); }
};

TEST_F(KeysMapPageTest, ShowsKeyNamesAndStoresCodes) {
  adapter.Settings().ButtonRemap2 = 10;
  adapter.Settings().ButtonRemap6 = 70;  // no key has it
  Open();
  EXPECT_EQ(Shown(1), "Space");
  EXPECT_EQ(Shown(5), "nil");
  Page().Grid().ChangePropertyValue(&Page().Row(0), 35);  // picked from the list
  Page().StoreToSettings();
  EXPECT_EQ(adapter.Settings().ButtonRemap1, KeyCodeFromName(KeyChoices()[35]));
  EXPECT_EQ(adapter.Settings().ButtonRemap2, 10);
  EXPECT_EQ(adapter.Settings().ButtonRemap6, 0);
}

TEST_F(KeysMapPageTest, FillReplacesWhatTheRowsShowed) {
  Open();
  for (std::size_t row = 0; row < kKeyRowCount; ++row)
    adapter.Settings().*kKeyRows[row].Remap->Byte = kKeyTable[row + 1].Code;
  Page().FillFromSettings();
  for (std::size_t row = 0; row < kKeyRowCount; ++row) EXPECT_EQ(Shown(row), kKeyTable[row + 1].Name);
}

TEST_F(KeysMapPageTest, DefaultShowsNilAndTheDeviceFollowsAtTheStore) {
  for (ByteField f : kButtonRemapFields) adapter.Settings().*f = 10;
  Open();
  Click(*Page().FindWindow(kIdKeysMapDefault));
  for (std::size_t row = 0; row < kKeyRowCount; ++row) EXPECT_EQ(Shown(row), "nil");
  EXPECT_EQ(adapter.Settings().ButtonRemap1, 10);
  Page().StoreToSettings();
  for (ByteField f : kButtonRemapFields) EXPECT_EQ(adapter.Settings().*f, 0);
}

TEST_F(KeysMapPageTest, EveryRowOffersTheSixtyEightKeysInCodeOrder) {
  Open();
  for (std::size_t row = 0; row < kKeyRowCount; ++row) {
    const wxPGChoices& choices = Page().Row(row).GetChoices();
    ASSERT_EQ(choices.GetCount(), 68u);
    for (unsigned i = 0; i < choices.GetCount(); ++i)
      EXPECT_EQ(choices.GetLabel(i).utf8_string(), kKeyTable[i].Name);
  }
}

TEST_F(KeysMapPageTest, WithoutCurrentDeviceRowsShowNilAndStoreNothing) {
  adapter.Settings().ButtonRemap1 = 10;
  adapter.Unplug();
  Open();
  for (std::size_t row = 0; row < kKeyRowCount; ++row) EXPECT_EQ(Shown(row), "nil");
  Page().Grid().ChangePropertyValue(&Page().Row(0), 35);
  Page().FillFromSettings();
  Page().StoreToSettings();
  EXPECT_EQ(Shown(0), KeyChoices()[35]);
  EXPECT_EQ(adapter.Settings().ButtonRemap1, 10);
}

}  // namespace
}  // namespace vantor
