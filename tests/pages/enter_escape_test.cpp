#include <gtest/gtest.h>

#include <ostream>

#include "case_name.h"
#include "pages_host.h"

namespace vantor {
namespace {

struct KeyCase {
  const char* name;
  std::size_t page;
  int key;
  friend void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }
};

class EnterEscapeOnPages : public PagesTest, public testing::WithParamInterface<KeyCase> {};

// The host dialog would close on Escape and press OK on Enter; on a page
// neither key gets that far, nor does the page change.
TEST_P(EnterEscapeOnPages, DoNothing) {
  PagesHost& host = Open();
  Tabs().SetSelection(GetParam().page);
  PumpEvents();
  CPageDlg& page = Tabs().Page(GetParam().page);
  const GunSettings before = adapter.Settings();
  for (wxWindow* control : page.GetChildren()) {
    EXPECT_TRUE(PressKey(*control, GetParam().key)) << "taken on the page";
  }
  EXPECT_TRUE(PressKey(page, GetParam().key));
  PumpEvents();
  EXPECT_FALSE(host.Ended());
  EXPECT_EQ(host.OkClicks + host.CancelClicks, 0);
  Tabs().StorePagesToDevice();
  EXPECT_EQ(adapter.Settings(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, EnterEscapeOnPages,
    testing::Values(KeyCase{"EscapeOnButtonsMapping", kButtonsMapPage, WXK_ESCAPE},
                    KeyCase{"EnterOnButtonsMapping", kButtonsMapPage, WXK_RETURN},
                    KeyCase{"KeypadEnterOnButtonsMapping", kButtonsMapPage, WXK_NUMPAD_ENTER},
                    KeyCase{"EscapeOnKeysMapping", kKeysMapPage, WXK_ESCAPE},
                    KeyCase{"EnterOnKeysMapping", kKeysMapPage, WXK_RETURN},
                    KeyCase{"EscapeOnDriverOptions", kDriverOptionsPage, WXK_ESCAPE},
                    KeyCase{"EnterOnDriverOptions", kDriverOptionsPage, WXK_RETURN},
                    KeyCase{"EscapeOnInfo", kInfoPage, WXK_ESCAPE},
                    KeyCase{"EnterOnInfo", kInfoPage, WXK_RETURN}),
    CaseName());

TEST_F(PagesTest, EscapeOutsideThePagesStillReachesTheDialog) {
  PagesHost& host = Open();
  PressKey(host.OkButton(), WXK_ESCAPE);
  PumpEvents();
  EXPECT_TRUE(host.Ended()) << "the test host would notice a key that got through";
}

TEST_F(PagesTest, OtherKeysPassThroughThePages) {
  Open();
  EXPECT_FALSE(PressKey(Tabs().KeysMapPage().Grid(), 'a'));
}

}  // namespace
}  // namespace vantor
