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

TEST(InfoModelTest, DefaultMakerAddressesAreReservedExamples) {
  EXPECT_NE(kMakerWebSite.find("example."), std::string_view::npos) << kMakerWebSite;
  EXPECT_TRUE(kMakerEmail.ends_with("@example.com")) << kMakerEmail;
}

}  // namespace
}  // namespace vantor
