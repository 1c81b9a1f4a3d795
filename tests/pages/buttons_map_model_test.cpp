#include <gtest/gtest.h>

#include <optional>
#include <ostream>

#include "pages/buttons_map_model.h"
#include "one_adapter_table.h"
#include "case_name.h"

namespace vantor {
namespace {

constexpr std::size_t kRowA = 0, kRowC = 2, kRowSelect = 5;

std::string RowValues(const ButtonsMapModel& model) {
  std::string all;
  for (std::size_t row = 0; row < kButtonRowCount; ++row)
    all += (row ? "," : "") + model.Value(row);
  return all;
}

// What a stored code shows as, and what the next store writes back.
struct FillStoreCase {
  const char* name;
  ByteField field;
  std::uint8_t stored;
  std::size_t row;
  const char* shown;
  std::uint8_t storedBack;
  friend void PrintTo(const FillStoreCase& c, std::ostream* os) { *os << c.name; }
};

class ButtonsMapFillStore : public testing::TestWithParam<FillStoreCase> {};

TEST_P(ButtonsMapFillStore, ShowsNameAndStoresCode) {
  const FillStoreCase& c = GetParam();
  OneAdapterTable adapter;
  adapter.Settings().*c.field = c.stored;
  ButtonsMapModel model(adapter.Table);
  ASSERT_TRUE(model.FillFromSettings());
  EXPECT_EQ(model.Value(c.row), c.shown);
  model.StoreToSettings();
  EXPECT_EQ(adapter.Settings().*c.field, c.storedBack);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, ButtonsMapFillStore,
    testing::Values(
        FillStoreCase{"ZeroIsDisabledThenEight", &GunSettings::ButtonMap3, 0, kRowC, "Disabled", 8},
        FillStoreCase{"ElevenIsDisabledThenEight", &GunSettings::ButtonMap3, 11, kRowC, "Disabled", 8},
        FillStoreCase{"ReloadOnA", &GunSettings::ButtonMap6, 10, kRowA, "Reload", 10},
        FillStoreCase{"WheelDownOnSelect", &GunSettings::ButtonMap4, 7, kRowSelect, "Wheel Down", 7},
        FillStoreCase{"FreeMouseOnDPadRight", &GunSettings::ButtonMap10, 9, 9, "Free Mouse", 9},
        FillStoreCase{"OffScreenNineIsNoneThenZero", &GunSettings::SetOffScreenAs, 9,
                      kOffScreenRow, "none", 0},
        FillStoreCase{"OffScreenFiveIsButton5", &GunSettings::SetOffScreenAs, 5, kOffScreenRow,
                      "Button5", 5}),
    CaseName());

TEST(ButtonsMapNames, EveryListedNameStoresItsCodeAndOthersTheFallback) {
  for (const NamedCode& entry : MouseAction::kList) {
    EXPECT_EQ(MouseActionCode(entry.Name), entry.Code);
    EXPECT_EQ(MouseActionName(entry.Code), entry.Name);
  }
  for (const NamedCode& entry : OffScreenButton::kList) {
    EXPECT_EQ(OffScreenCode(entry.Name), entry.Code);
    EXPECT_EQ(OffScreenName(entry.Code), entry.Name);
  }
  for (const char* other : {"button1", "Button6", "", "Wheel up", "Reload "}) {
    EXPECT_EQ(MouseActionCode(other), MouseAction::Disabled) << other;
    EXPECT_EQ(OffScreenCode(other), OffScreenButton::None) << other;
  }
  EXPECT_EQ(OffScreenCode("Reload"), 0) << "mouse actions are no off-screen buttons";
}

TEST(ButtonsMapNames, RowsOfferTheirListsInCodeOrder) {
  EXPECT_EQ(ButtonRowChoices(kRowA).size(), 10u);
  EXPECT_EQ(ButtonRowChoices(kRowA).front(), "Button1");
  EXPECT_EQ(ButtonRowChoices(kRowA).back(), "Reload");
  EXPECT_EQ(ButtonRowChoices(kOffScreenRow),
            (std::vector<std::string_view>{"none", "Button1", "Button2", "Button3", "Button4",
                                           "Button5"}));
}

// Field n of ButtonMap and AutoFire belongs to string id 100 + 2n.
TEST(ButtonsMapRows, FieldsFollowTheStringIds) {
  for (std::size_t row = 0; row < kOffScreenRow; ++row) {
    const std::size_t n = static_cast<std::size_t>(kButtonRows[row].StringId - 102) / 2;
    EXPECT_EQ(kButtonRows[row].Mapping->Byte, kButtonMapFields[n]) << kButtonRows[row].Caption;
    EXPECT_EQ(kButtonRows[row].AutoFire->Byte, kAutoFireFields[n]) << kButtonRows[row].Caption;
    EXPECT_EQ(kButtonRows[row].Caption, kGunButtonCaptions[n]);
  }
}

TEST(ButtonsMapModelTest, ChosenNameReachesTheDeviceOnlyAtStore) {
  OneAdapterTable adapter;
  ButtonsMapModel model(adapter.Table);
  model.LoadInitialValues();
  model.SetValue(kRowA, "Reload");
  EXPECT_EQ(adapter.Settings().ButtonMap6, MouseAction::Button3);
  model.StoreToSettings();
  EXPECT_EQ(adapter.Settings().ButtonMap6, MouseAction::Reload);
}

TEST(ButtonsMapModelTest, DefaultChangesNothingUntilStoreAndNoRepeatRate) {
  GunSettings odd{};
  for (ByteField f : kButtonMapFields) odd.*f = MouseAction::Reload;
  for (ByteField f : kAutoFireFields) odd.*f = 7;
  odd.SetOffScreenAs = 3;
  OneAdapterTable adapter(odd);
  ButtonsMapModel model(adapter.Table);
  model.LoadInitialValues();

  model.OnDefault();
  EXPECT_EQ(RowValues(model),
            "Button3,Button4,Button2,Button1,Button5,Wheel Up,Disabled,Disabled,Disabled,"
            "Disabled,none");
  EXPECT_EQ(adapter.Settings(), odd);

  model.StoreToSettings();
  GunSettings expected = odd;
  const std::uint8_t factory[] = {1, 4, 2, 6, 5, 3, 8, 8, 8, 8};
  for (std::size_t n = 0; n < kGunButtonCount; ++n) expected.*kButtonMapFields[n] = factory[n];
  expected.SetOffScreenAs = 0;
  EXPECT_EQ(adapter.Settings(), expected);
  for (std::size_t n = 0; n < kGunButtonCount; ++n)
    EXPECT_EQ(adapter.Settings().*kButtonMapFields[n], ProfileDefaultSettings().*kButtonMapFields[n]);
}

TEST(ButtonsMapModelTest, WithoutCurrentDeviceShowsFallbacksAndDoesNothing) {
  OneAdapterTable adapter;
  adapter.Unplug();
  ButtonsMapModel model(adapter.Table);
  model.LoadInitialValues();
  EXPECT_EQ(RowValues(model),
            "Disabled,Disabled,Disabled,Disabled,Disabled,Disabled,Disabled,Disabled,Disabled,"
            "Disabled,none");
  model.SetValue(kRowA, "Reload");
  EXPECT_FALSE(model.FillFromSettings());
  EXPECT_EQ(model.Value(kRowA), "Reload");
  model.StoreToSettings();
  EXPECT_EQ(adapter.Settings(), ProfileDefaultSettings());
  EXPECT_FALSE(model.UpdatePressedButtons(ButtonFlags::Button1Down));
  EXPECT_FALSE(model.Pressed().IsLit(0));
}

TEST(ButtonsMapModelTest, InitialValuesComeFromTheCurrentDevice) {
  OneAdapterTable adapter;
  ButtonsMapModel model(adapter.Table);
  model.LoadInitialValues();
  EXPECT_EQ(RowValues(model),
            "Button3,Button4,Button2,Button1,Button5,Wheel Up,Disabled,Disabled,Disabled,"
            "Disabled,none");
}

// The dialog's part of the AutoFire flow without its window: the slider
// starts at the stored value within its range, OK gives the position back.
class SliderPrompt : public AutoFirePrompt {
 public:
  explicit SliderPrompt(bool ok) : m_ok(ok) {}
  std::optional<std::uint8_t> Ask(std::uint8_t current) override {
    ++Asked;
    AskedWith = current;
    SliderShown = AutoFireSliderPosition(current);
    if (!m_ok) return std::nullopt;
    return AutoFireFromSlider(SliderShown);
  }
  int Asked = 0;
  std::uint8_t AskedWith = 0;
  int SliderShown = -1;

 private:
  bool m_ok;
};

struct AutoFireCase {
  const char* name;
  std::uint8_t stored;
  bool ok;
  int slider;
  std::uint8_t after;
  friend void PrintTo(const AutoFireCase& c, std::ostream* os) { *os << c.name; }
};

class ButtonsMapAutoFire : public testing::TestWithParam<AutoFireCase> {};

TEST_P(ButtonsMapAutoFire, SelectRowSetsAutoFire4AtOnce) {
  const AutoFireCase& c = GetParam();
  OneAdapterTable adapter;
  adapter.Settings().AutoFire4 = c.stored;
  GunSettings before = adapter.Settings();
  ButtonsMapModel model(adapter.Table);
  model.LoadInitialValues();
  SliderPrompt prompt(c.ok);
  model.OnAutoFire(kRowSelect, prompt);
  EXPECT_EQ(prompt.Asked, 1);
  EXPECT_EQ(prompt.AskedWith, c.stored);
  EXPECT_EQ(prompt.SliderShown, c.slider);
  before.AutoFire4 = c.after;
  EXPECT_EQ(adapter.Settings(), before) << "only AutoFire4 changes, without a store";
}

INSTANTIATE_TEST_SUITE_P(Flow, ButtonsMapAutoFire,
                         testing::Values(AutoFireCase{"ZeroOk", 0, true, 0, 0},
                                         AutoFireCase{"TwentyFiveOk", 25, true, 25, 25},
                                         AutoFireCase{"FortyOkGivesTwentyFive", 40, true, 25, 25},
                                         AutoFireCase{"FortyCancelKeepsForty", 40, false, 25, 40}),
                         CaseName());

TEST(ButtonsMapModelTest, AutoFireAsksNothingWithoutDeviceOrOnTheOffScreenRow) {
  OneAdapterTable adapter;
  ButtonsMapModel model(adapter.Table);
  SliderPrompt prompt(true);
  model.OnAutoFire(kOffScreenRow, prompt);
  adapter.Unplug();
  model.OnAutoFire(kRowA, prompt);
  EXPECT_EQ(prompt.Asked, 0);
}

TEST(ButtonsMapModelTest, AutoFireAnswerIsDroppedWhenTheDeviceWentAway) {
  OneAdapterTable adapter;
  adapter.Settings().AutoFire6 = 3;
  ButtonsMapModel model(adapter.Table);
  struct UnplugWhileAsking : AutoFirePrompt {
    OneAdapterTable* adapter;
    std::optional<std::uint8_t> Ask(std::uint8_t) override {
      adapter->Unplug();
      return 20;
    }
  } prompt;
  prompt.adapter = &adapter;
  model.OnAutoFire(kRowA, prompt);
  EXPECT_EQ(adapter.Settings().AutoFire6, 3);
}

TEST(ButtonsMapModelTest, PressedButtonsReadTheCurrentDevicesWheelAndSurviveASwitch) {
  OneAdapterTable adapter;
  ButtonsMapModel model(adapter.Table);
  EXPECT_TRUE(model.UpdatePressedButtons(ButtonFlags::Wheel | ButtonFlags::Button2Down));
  EXPECT_TRUE(model.Pressed().IsLit(kWheelMark));
  adapter.Device().WheelHeld = 1;  // the translator saw the wheel report
  EXPECT_TRUE(model.UpdatePressedButtons(0));
  EXPECT_FALSE(model.Pressed().IsLit(kWheelMark));

  GunDevice& second = (*adapter.Table.Entries)[1];
  adapter.Table.CurrentDevice = &second;
  EXPECT_TRUE(model.Pressed().IsLit(1)) << "a device switch keeps the marks";
}

}  // namespace
}  // namespace vantor
