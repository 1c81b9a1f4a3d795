#include <gtest/gtest.h>

#include "pages/info_model.h"
#include "pages/maker_links.h"

namespace vantor {
namespace {

TEST(InfoModelTest, TitleFontIsTheMenuFontTimesOnePointSixTruncated) {
  const std::pair<int, int> cases[] = {{-12, -19}, {0, 0}, {9, 14}, {10, 16}, {-11, -17}};
  for (const auto& [menu, title] : cases) EXPECT_EQ(TitleFontSize(menu), title) << menu;
}

TEST(InfoModelTest, LinkTargets) {
  EXPECT_EQ(WebSiteTarget("https://www.example.com/"), "https://www.example.com/");
  EXPECT_EQ(WebSiteTarget("www.example.com"), "http://www.example.com");
  EXPECT_EQ(EmailTarget("sales@example.com"), "mailto:sales@example.com");
  EXPECT_EQ(EmailTarget("mailto:sales@example.com"), "mailto:sales@example.com");
}

// A build that names no maker points nobody's real address; what a build
// names instead is what the pages show (info_about_test).
TEST(InfoModelTest, DefaultMakerAddressesAreReservedExamples) {
  EXPECT_NE(kDefaultMakerWebSite.find("example."), std::string_view::npos) << kDefaultMakerWebSite;
  EXPECT_TRUE(kDefaultMakerEmail.ends_with("@example.com")) << kDefaultMakerEmail;
  EXPECT_NE(kDefaultMakerNotice.find("Example"), std::string_view::npos) << kDefaultMakerNotice;
}

}  // namespace
}  // namespace vantor
