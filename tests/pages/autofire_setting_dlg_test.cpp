#include <gtest/gtest.h>

#include <optional>

#include <wx/frame.h>

#include "pages/wx/autofire_setting_dlg.h"
#include "wx_test_support.h"

namespace vantor {
namespace {

class AutoFireDialogTest : public testing::Test {
 protected:
  AutoFireDialogTest() : m_owner(new wxFrame(nullptr, wxID_ANY, "owner")) { m_owner->Show(); }
  ~AutoFireDialogTest() override {
    m_owner->Destroy();
    PumpEvents();
  }
  wxFrame& Owner() { return *m_owner; }

 private:
  wxFrame* m_owner;
};

TEST_F(AutoFireDialogTest, SliderStartsAtTheValueWithinZeroToTwentyFive) {
  const std::pair<int, int> cases[] = {{0, 0}, {12, 12}, {25, 25}, {40, 25}, {255, 25}};
  for (const auto& [stored, shown] : cases) {
    CAutoFireSettingDlg dialog(&Owner());
    dialog.SetAutoFire(static_cast<std::uint8_t>(stored));
    dialog.InitDialog();
    EXPECT_EQ(dialog.Slider().GetMin(), 0);
    EXPECT_EQ(dialog.Slider().GetMax(), 25);
    EXPECT_EQ(dialog.Slider().GetValue(), shown) << stored;
  }
}

TEST_F(AutoFireDialogTest, OkHandsBackTheSliderPosition) {
  CAutoFireSettingDlg dialog(&Owner());
  dialog.SetAutoFire(40);
  dialog.Show();
  dialog.InitDialog();
  Click(*dialog.FindWindow(wxID_OK));
  EXPECT_FALSE(dialog.IsShown());
  EXPECT_EQ(dialog.GetAutoFire(), 25);
}

// The whole flow as the page runs it: a modal dialog the user answers.
TEST_F(AutoFireDialogTest, PromptGivesTheMovedValueOnOk) {
  CAutoFireDialogPrompt prompt(&Owner());
  const auto ok = WhenModal(
      [](wxWindow& w) { return dynamic_cast<CAutoFireSettingDlg*>(&w) != nullptr; },
      [](wxWindow& w) {
        auto& dialog = static_cast<CAutoFireSettingDlg&>(w);
        EXPECT_EQ(dialog.Slider().GetValue(), 25);
        dialog.Slider().SetValue(7);
        Click(*dialog.FindWindow(wxID_OK));
      });
  EXPECT_EQ(prompt.Ask(40), std::optional<std::uint8_t>(7));
}

TEST_F(AutoFireDialogTest, CancelAndEscapeGiveNothing) {
  CAutoFireDialogPrompt prompt(&Owner());
  auto isAutoFire = [](wxWindow& w) { return dynamic_cast<CAutoFireSettingDlg*>(&w) != nullptr; };
  {
    const auto cancel = WhenModal(isAutoFire, [](wxWindow& w) {
      auto& dialog = static_cast<CAutoFireSettingDlg&>(w);
      dialog.Slider().SetValue(3);
      Click(*dialog.FindWindow(wxID_CANCEL));
    });
    EXPECT_EQ(prompt.Ask(40), std::nullopt);
  }

  // The dialog keeps the usual keys: Escape cancels it.
  const auto escape = WhenModal(isAutoFire, [](wxWindow& w) {
    EXPECT_TRUE(PressKey(static_cast<CAutoFireSettingDlg&>(w).Slider(), WXK_ESCAPE));
  });
  EXPECT_EQ(prompt.Ask(40), std::nullopt);
}

}  // namespace
}  // namespace vantor
