#include <gtest/gtest.h>

#include <wx/settings.h>

#include "pages/info_model.h"
#include "pages/maker_links.h"
#include "pages/wx/about_dlg.h"
#include "pages/wx/grid_page.h"
#include "pages/wx/info_dlg.h"
#include "pages_host.h"

namespace vantor {
namespace {

class InfoPageTest : public PagesTest {
 protected:
  CInfoDlg& Page() { return Tabs().InfoPage(); }
};

TEST_F(InfoPageTest, VersionTextUsesTheMenuFontEnlargedAndBold) {
  Open();
  const wxFont menu = wxSystemSettings::GetFont(wxSYS_DEFAULT_GUI_FONT);
  const wxFont title = Page().FindWindow(kIdVersionText)->GetFont();
  EXPECT_EQ(Page().FindWindow(kIdVersionText)->GetLabel(), "Vantor Control Panel ver 1.0");
  EXPECT_EQ(title.GetPointSize(), TitleFontSize(menu.GetPointSize()));
  EXPECT_EQ(title.GetWeight(), wxFONTWEIGHT_BOLD);
  EXPECT_EQ(title.GetFaceName(), menu.GetFaceName());
}

// The addresses this build was configured with, whatever they are.
TEST_F(InfoPageTest, LinksGoToTheMakersSiteAndMailAddress) {
  Open();
  EXPECT_EQ(Page().WebSiteLink().GetLabel(), WxText(kMakerWebSite));
  EXPECT_EQ(Page().WebSiteLink().GetURL(), WxText(WebSiteTarget(kMakerWebSite)));
  EXPECT_EQ(Page().EmailLink().GetLabel(), WxText(kMakerEmail));
  EXPECT_EQ(Page().EmailLink().GetURL(), WxText(EmailTarget(kMakerEmail)));
  EXPECT_EQ(Page().EmailLink().GetToolTipText(), Page().EmailLink().GetURL());
}

TEST_F(InfoPageTest, AboutButtonRunsThePanelsCommand) {
  Open();
  int opened = 0;
  Page().SetAboutCommand([&] { ++opened; });
  wxWindow* about = Page().FindWindow(kIdAboutButton);
  ASSERT_NE(about, nullptr);
  EXPECT_EQ(about->GetLabel(), "&About VantorPanel...");
  Click(*about);
  EXPECT_EQ(opened, 1);
}

class AboutBoxTest : public testing::Test {
 protected:
  static bool IsAbout(wxWindow& w) { return dynamic_cast<CAboutDlg*>(&w) != nullptr; }
};

TEST_F(AboutBoxTest, ShowsNameAndVersionAndEndsWithOkOrEscape) {
  CAboutDlg about(nullptr);
  EXPECT_EQ(about.GetTitle(), "About VantorPanel");
  EXPECT_NE(about.FindWindowByLabel("VantorPanel Version 1.0"), nullptr);
  EXPECT_NE(about.FindWindowByLabel(WxText(kMakerNotice)), nullptr);

  // A dialog that does not end gets wxID_ABORT from WhenModal's time-out.
  {
    const auto ok = WhenModal(IsAbout, [](wxWindow& w) { Click(*w.FindWindow(wxID_OK)); });
    EXPECT_EQ(about.ShowModal(), wxID_OK);
  }
  {
    const auto escape = WhenModal(
        IsAbout, [](wxWindow& w) { EXPECT_TRUE(PressKey(*w.FindWindow(wxID_OK), WXK_ESCAPE)); });
    EXPECT_NE(about.ShowModal(), wxID_ABORT);
  }
  const auto closeBox = WhenModal(IsAbout, [](wxWindow& w) { w.Close(); });
  EXPECT_NE(about.ShowModal(), wxID_ABORT) << "the close box";
}

}  // namespace
}  // namespace vantor
