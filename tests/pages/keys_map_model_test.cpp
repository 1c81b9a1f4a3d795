#include <gtest/gtest.h>

#include "pages/keys_map_model.h"
#include "one_adapter_table.h"

namespace vantor {
namespace {

std::string RowValues(const KeysMapModel& model) {
  std::string all;
  for (std::size_t row = 0; row < kKeyRowCount; ++row) all += (row ? "," : "") + model.Value(row);
  return all;
}

TEST(KeysMapModelTest, ShowsKeyNamesAndStoresTheirCodes) {
  OneAdapterTable adapter;
  adapter.Settings().ButtonRemap2 = 10;
  adapter.Settings().ButtonRemap6 = 70;  // no key has this code
  KeysMapModel model(adapter.Table);
  ASSERT_TRUE(model.FillFromSettings());
  EXPECT_EQ(model.Value(1), "Space");
  EXPECT_EQ(model.Value(5), "nil");
  model.StoreToSettings();
  EXPECT_EQ(adapter.Settings().ButtonRemap2, 10);
  EXPECT_EQ(adapter.Settings().ButtonRemap6, 0);
}

// Every key of the table survives a fill and a store in every row.
TEST(KeysMapModelTest, EveryKeyRoundTripsInEveryRow) {
  OneAdapterTable adapter;
  KeysMapModel model(adapter.Table);
  for (const KeyEntry& key : kKeyTable) {
    for (const KeyRow& row : kKeyRows) adapter.Settings().*row.Remap->Byte = key.Code;
    ASSERT_TRUE(model.FillFromSettings());
    for (std::size_t row = 0; row < kKeyRowCount; ++row) EXPECT_EQ(model.Value(row), key.Name);
    for (const KeyRow& row : kKeyRows) adapter.Settings().*row.Remap->Byte = 0xEE;
    model.StoreToSettings();
    for (const KeyRow& row : kKeyRows) EXPECT_EQ(adapter.Settings().*row.Remap->Byte, key.Code) << key.Name;
  }
}

TEST(KeysMapModelTest, RowsEditTheirOwnRemap) {
  OneAdapterTable adapter;
  KeysMapModel model(adapter.Table);
  model.LoadInitialValues();
  const char* keys[] = {"a", "b", "c", "d", "e", "Space"};
  for (std::size_t row = 0; row < kKeyRowCount; ++row) model.SetValue(row, keys[row]);
  model.StoreToSettings();
  for (std::size_t row = 0; row < kKeyRowCount; ++row)
    EXPECT_EQ(adapter.Settings().*kButtonRemapFields[row], KeyCodeFromName(keys[row]));
}

TEST(KeysMapModelTest, DefaultIsNilEverywhereAndReachesTheDeviceAtStore) {
  GunSettings keyed = ProfileDefaultSettings();
  for (ByteField f : kButtonRemapFields) keyed.*f = 10;
  OneAdapterTable adapter(keyed);
  KeysMapModel model(adapter.Table);
  model.LoadInitialValues();
  model.OnDefault();
  EXPECT_EQ(RowValues(model), "nil,nil,nil,nil,nil,nil");
  EXPECT_EQ(adapter.Settings(), keyed);
  model.StoreToSettings();
  for (ByteField f : kButtonRemapFields) EXPECT_EQ(adapter.Settings().*f, 0);
}

TEST(KeysMapModelTest, WithoutCurrentDeviceShowsNilAndDoesNothing) {
  OneAdapterTable adapter;
  adapter.Settings().ButtonRemap1 = 10;
  adapter.Unplug();
  KeysMapModel model(adapter.Table);
  model.LoadInitialValues();
  EXPECT_EQ(RowValues(model), "nil,nil,nil,nil,nil,nil");
  model.SetValue(0, "a");
  EXPECT_FALSE(model.FillFromSettings());
  EXPECT_EQ(model.Value(0), "a");
  model.StoreToSettings();
  EXPECT_EQ(adapter.Settings().ButtonRemap1, 10);
}

TEST(KeysMapModelTest, OffersTheSixtyEightNamesInCodeOrder) {
  const auto names = KeyChoices();
  ASSERT_EQ(names.size(), 68u);
  EXPECT_EQ(names.front(), "nil");
  EXPECT_EQ(names.back(), "PageDown");
  for (std::size_t i = 1; i < names.size(); ++i)
    EXPECT_LT(KeyCodeFromName(names[i - 1]), KeyCodeFromName(names[i])) << names[i];
}

}  // namespace
}  // namespace vantor
