#include <gtest/gtest.h>

#include <ostream>

#include "pages/driver_options_model.h"
#include "one_adapter_table.h"
#include "case_name.h"

namespace vantor {
namespace {

enum Option : std::size_t { kFreeMouse, kSensitivity, kTop, kBottom, kLeft, kRight, kCentering, kX, kY };

// A stored value, what the page shows after a fill, and what the next store
// writes.
struct FillCase {
  const char* name;
  Option option;
  unsigned stored;
  int shown;
  unsigned storedBack;
  friend void PrintTo(const FillCase& c, std::ostream* os) { *os << c.name; }
};

class DriverOptionsFill : public testing::TestWithParam<FillCase> {};

TEST_P(DriverOptionsFill, LimitsAndStoresBack) {
  const FillCase& c = GetParam();
  const SettingsField& field = kDriverOptions[c.option].Field;
  OneAdapterTable adapter;
  field.Set(adapter.Settings(), c.stored);
  DriverOptionsModel model(adapter.Table);
  ASSERT_TRUE(model.FillFromSettings());
  EXPECT_EQ(model.Value(c.option), c.shown);
  model.StoreToSettings();
  EXPECT_EQ(field.Get(adapter.Settings()), c.storedBack);
}

INSTANTIATE_TEST_SUITE_P(
    Values, DriverOptionsFill,
    testing::Values(FillCase{"SensitivityFifteenIsTen", kSensitivity, 15, 10, 10},
                    FillCase{"SensitivityTenStays", kSensitivity, 10, 10, 10},
                    FillCase{"TopEdgeTwentyThousandIsTenThousand", kTop, 20000, 10000, 10000},
                    FillCase{"RightEdgeWordMaximum", kRight, 65535, 10000, 10000},
                    FillCase{"LeftEdgeWithinLimits", kLeft, 137, 137, 137},
                    FillCase{"FreeMouseFiveIsTickedThenOne", kFreeMouse, 5, 1, 1},
                    FillCase{"CenteringClear", kCentering, 0, 0, 0}),
    CaseName());

// A value typed, spun or slid into an item.
struct SetCase {
  const char* name;
  Option option;
  long long typed;
  int kept;
  friend void PrintTo(const SetCase& c, std::ostream* os) { *os << c.name; }
};

class DriverOptionsSet : public testing::TestWithParam<SetCase> {};

TEST_P(DriverOptionsSet, KeepsValuesWithinLimits) {
  const SetCase& c = GetParam();
  OneAdapterTable adapter;
  DriverOptionsModel model(adapter.Table);
  model.LoadInitialValues();
  EXPECT_EQ(model.SetValue(c.option, c.typed), c.kept);
  EXPECT_EQ(model.Value(c.option), c.kept);
  model.StoreToSettings();
  EXPECT_EQ(kDriverOptions[c.option].Field.Get(adapter.Settings()), static_cast<unsigned>(c.kept));
}

INSTANTIATE_TEST_SUITE_P(
    Values, DriverOptionsSet,
    testing::Values(SetCase{"XOffsetAboveTenThousand", kX, 20000, 10000},
                    SetCase{"YOffsetNegative", kY, -5, 0},
                    SetCase{"BottomEdgeFarBeyondAnyWidth", kBottom, 1LL << 40, 10000},
                    SetCase{"SensitivityFifteen", kSensitivity, 15, 10},
                    SetCase{"SensitivityWithin", kSensitivity, 7, 7},
                    SetCase{"CheckBoxAnyNonZeroIsTicked", kCentering, 7, 1},
                    SetCase{"CheckBoxZeroIsClear", kFreeMouse, 0, 0}),
    CaseName());

TEST(DriverOptionsModelTest, FirstValuesAreTheStoredOnesUnlimited) {
  OneAdapterTable adapter;
  adapter.Settings().Sensitivity = 15;
  adapter.Settings().UpEdge = 20000;
  DriverOptionsModel model(adapter.Table);
  model.LoadInitialValues();
  EXPECT_EQ(model.Value(kSensitivity), 15);
  EXPECT_EQ(model.Value(kTop), 20000);
  model.StoreToSettings();
  EXPECT_EQ(adapter.Settings().Sensitivity, 15);
  EXPECT_EQ(adapter.Settings().UpEdge, 20000);
}

TEST(DriverOptionsModelTest, DefaultChangesNothingUntilTheNextStore) {
  GunSettings odd = ProfileDefaultSettings();
  odd.FreeMouseCursor = 0;
  odd.Sensitivity = 9;
  odd.UpEdge = odd.DownEdge = odd.LeftEdge = odd.RightEdge = 500;
  odd.UseCentering = 1;
  odd.XCenter = odd.YCenter = 40;
  OneAdapterTable adapter(odd);
  DriverOptionsModel model(adapter.Table);
  model.LoadInitialValues();
  model.OnDefault();
  EXPECT_EQ(adapter.Settings(), odd);
  model.StoreToSettings();
  GunSettings expected = odd;
  expected.FreeMouseCursor = 1;
  expected.Sensitivity = 0;
  expected.UpEdge = 31;
  expected.DownEdge = 255;
  expected.LeftEdge = 137;
  expected.RightEdge = 711;
  expected.UseCentering = 0;
  expected.XCenter = expected.YCenter = 0;
  EXPECT_EQ(adapter.Settings(), expected);
}

TEST(DriverOptionsModelTest, WithoutCurrentDeviceShowsDefaultsAndDoesNothing) {
  OneAdapterTable adapter;
  adapter.Settings().XCenter = 77;
  adapter.Unplug();
  DriverOptionsModel model(adapter.Table);
  model.LoadInitialValues();
  for (std::size_t i = 0; i < kOptionCount; ++i)
    EXPECT_EQ(model.Value(i), kDriverOptions[i].Default()) << kDriverOptions[i].Caption;
  model.SetValue(kX, 5);
  EXPECT_FALSE(model.FillFromSettings());
  EXPECT_EQ(model.Value(kX), 5);
  model.StoreToSettings();
  EXPECT_EQ(adapter.Settings().XCenter, 77);
}

TEST(DriverOptionsModelTest, DefaultsAreTheProfileDefaults) {
  OneAdapterTable adapter(GunSettings{});
  DriverOptionsModel model(adapter.Table);
  model.OnDefault();
  model.StoreToSettings();
  for (const DriverOption& option : kDriverOptions)
    EXPECT_EQ(option.Field.Get(adapter.Settings()), option.Field.Get(ProfileDefaultSettings()))
        << option.Caption;
}

}  // namespace
}  // namespace vantor
