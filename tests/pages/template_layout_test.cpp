#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "pages/template_layout.h"

namespace vantor {

void PrintTo(const PixelRect& r, std::ostream* os) {
  *os << "{" << r.X << "," << r.Y << " " << r.Width << "x" << r.Height << "}";
}

namespace {

using testing::ElementsAre;

// A page like Buttons Mapping: a grid, a label and a display below it, a
// button beside the label.
const std::vector<PixelRect> kPage = {
    {10, 20, 400, 200},  // grid
    {10, 230, 100, 16},  // label
    {10, 250, 420, 50},  // display
    {340, 226, 90, 24},  // button, in the label's rows
};
const PixelSize kPageSize{450, 320};

std::vector<PixelSize> Needs(std::vector<PixelSize> needs) { return needs; }

TEST(GrowToFit, ControlsThatFitKeepTheirPlaces) {
  const GrownLayout grown = GrowToFit(kPage, Needs({{0, 0}, {90, 16}, {0, 0}, {80, 20}}), kPageSize);
  EXPECT_EQ(grown.Controls, kPage);
  EXPECT_EQ(grown.Window, kPageSize);
}

TEST(GrowToFit, ATallerGridPushesEverythingBelowItDownAndGrowsThePage) {
  const GrownLayout grown =
      GrowToFit(kPage, Needs({{400, 260}, {0, 0}, {0, 0}, {0, 0}}), kPageSize);
  EXPECT_THAT(grown.Controls, ElementsAre(PixelRect{10, 20, 400, 260}, PixelRect{10, 290, 100, 16},
                                          PixelRect{10, 310, 420, 50}, PixelRect{340, 286, 90, 24}));
  EXPECT_EQ(grown.Window, (PixelSize{450, 380}));
}

TEST(GrowToFit, ATallerButtonPushesOnlyWhatIsBelowIt) {
  const GrownLayout grown = GrowToFit(kPage, Needs({{0, 0}, {0, 0}, {0, 0}, {90, 34}}), kPageSize);
  EXPECT_EQ(grown.Controls[3], (PixelRect{340, 226, 90, 34}));
  EXPECT_EQ(grown.Controls[2], (PixelRect{10, 260, 420, 50})) << "starts below the button";
  EXPECT_EQ(grown.Controls[1], kPage[1]) << "beside the button";
  EXPECT_EQ(grown.Window, (PixelSize{450, 330}));
}

TEST(GrowToFit, AWiderLabelPushesItsRowNeighbourRight) {
  const GrownLayout grown = GrowToFit(kPage, Needs({{0, 0}, {300, 16}, {0, 0}, {0, 0}}), kPageSize);
  EXPECT_EQ(grown.Controls[1], (PixelRect{10, 230, 300, 16}));
  EXPECT_EQ(grown.Controls[3], (PixelRect{540, 226, 90, 24}));
  EXPECT_EQ(grown.Controls[2], kPage[2]) << "below, not beside";
  EXPECT_EQ(grown.Window, (PixelSize{650, 320})) << "the button keeps its right margin";
}

// A group box with a slider in it and two buttons below, as the AutoFire
// dialog has them.
TEST(GrowToFit, AGroupBoxGrowsAroundItsContentAndPushesWhatIsBelow) {
  const std::vector<PixelRect> dialog = {
      {20, 10, 300, 80},   // group box
      {40, 30, 260, 50},   // slider inside, 10 from the box's bottom
      {180, 100, 80, 30},  // OK
      {270, 100, 80, 30},  // Cancel
  };
  const GrownLayout grown =
      GrowToFit(dialog, Needs({{60, 20}, {260, 70}, {80, 34}, {80, 34}}), {370, 140});
  EXPECT_THAT(grown.Controls, ElementsAre(PixelRect{20, 10, 300, 100}, PixelRect{40, 30, 260, 70},
                                          PixelRect{180, 120, 80, 34}, PixelRect{270, 120, 80, 34}));
  EXPECT_EQ(grown.Window, (PixelSize{370, 164}));
}

TEST(GrowToFit, ShiftsAddUpDownAChain) {
  const std::vector<PixelRect> column = {{0, 0, 50, 10}, {0, 10, 50, 10}, {0, 20, 50, 10}};
  const GrownLayout grown = GrowToFit(column, Needs({{50, 15}, {50, 15}, {50, 15}}), {60, 40});
  EXPECT_THAT(grown.Controls,
              ElementsAre(PixelRect{0, 0, 50, 15}, PixelRect{0, 15, 50, 15}, PixelRect{0, 30, 50, 15}));
  EXPECT_EQ(grown.Window, (PixelSize{60, 55}));
}

TEST(FollowWindowSize, StretchesAndMovesByTheExtraRoomOnly) {
  const GrownLayout grown = GrowToFit(kPage, Needs({{0, 0}, {0, 0}, {0, 0}, {0, 0}}), kPageSize);
  const std::vector<Anchor> anchors = {Anchor::Stretch, Anchor::FollowBottom, Anchor::FollowBottom,
                                       Anchor::Fixed};
  EXPECT_THAT(FollowWindowSize(grown, anchors, {500, 340}),
              ElementsAre(PixelRect{10, 20, 450, 220}, PixelRect{10, 250, 100, 16},
                          PixelRect{10, 270, 420, 50}, PixelRect{340, 226, 90, 24}));
  EXPECT_EQ(FollowWindowSize(grown, anchors, {300, 200}), kPage) << "never shrinks below the layout";
}

}  // namespace
}  // namespace vantor
