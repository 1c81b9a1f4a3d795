// Enter and Escape typed on the keyboard, through the X server to GTK, as a
// user types them. The keys go to whichever window has the X focus, so
// these tests run alone (see CMakeLists.txt).
#include <gtest/gtest.h>

#include <wx/uiaction.h>

#include "pages_host.h"

namespace vantor {
namespace {

TEST_F(PagesTest, TypedEscapeAndEnterInAGridDoNothing) {
  PagesHost& host = Open();
  host.Window().Raise();
  Tabs().SetSelection(kKeysMapPage);
  CPageGrid& grid = Tabs().KeysMapPage().Grid();
  grid.SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == &grid; })) << "no keyboard focus";
  wxUIActionSimulator keyboard;
  for (int key : {WXK_ESCAPE, WXK_RETURN}) {
    keyboard.Char(key);
    EXPECT_FALSE(PumpUntil([&] { return host.Ended(); }, std::chrono::milliseconds(300))) << key;
    EXPECT_EQ(host.OkClicks + host.CancelClicks, 0) << key;
  }
  // Typed outside the pages, Escape does reach the dialog: the keys arrive.
  host.OkButton().SetFocus();
  ASSERT_TRUE(PumpUntil([&] { return wxWindow::FindFocus() == &host.OkButton(); }));
  keyboard.Char(WXK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return host.Ended(); }));
}

}  // namespace
}  // namespace vantor
