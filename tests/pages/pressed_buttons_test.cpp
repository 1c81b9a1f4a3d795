#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "pages/pressed_buttons.h"
#include "case_name.h"

namespace vantor {
namespace {

using namespace ButtonFlags;

// One raw report: its bits, the translator's wheel state before it, and
// what the display shows afterwards ("1.....": mark 1 lit).
struct Report {
  std::uint16_t flags;
  std::uint8_t wheelHeld;
  const char* lit;
  bool repaint;
};

struct Transcript {
  const char* name;
  std::vector<Report> reports;
  friend void PrintTo(const Transcript& t, std::ostream* os) { *os << t.name; }
};

std::string Marks(const PressedButtons& pressed) {
  std::string marks;
  for (std::size_t i = 0; i < kMarkCount; ++i) marks += pressed.IsLit(i) ? char('1' + i) : '.';
  return marks;
}

class PressedButtonsTranscript : public testing::TestWithParam<Transcript> {};

TEST_P(PressedButtonsTranscript, LightsAndRepaints) {
  PressedButtons pressed;
  int step = 0;
  for (const Report& r : GetParam().reports) {
    EXPECT_EQ(pressed.Update(r.flags, r.wheelHeld), r.repaint) << "report " << step;
    EXPECT_EQ(Marks(pressed), r.lit) << "report " << step;
    ++step;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Reports, PressedButtonsTranscript,
    testing::Values(
        Transcript{"EachButtonDownAndUp",
                   {{Button1Down, 0, "1.....", true},
                    {Button2Down, 0, "12....", true},
                    {Button3Down | Button4Down, 0, "1234..", true},
                    {Button5Down, 0, "12345.", true},
                    {Button1Up | Button3Up | Button5Up, 0, ".2.4..", true},
                    {Button2Up | Button4Up, 0, "......", true}}},
        Transcript{"DownAndUpInOneReportEndUnlit", {{Button1Down | Button1Up, 0, "......", true}}},
        Transcript{"UpOfAnUnlitButtonStillRepaints", {{Button2Up, 0, "......", true}}},
        Transcript{"MovementOnlyDoesNotRepaint", {{0, 0, "......", false}}},
        Transcript{"WheelLightsUntilTheNextReportWithoutIt",
                   {{Wheel, 0, ".....6", true},
                    {Wheel, 1, ".....6", false},
                    {0, 1, "......", true},
                    {0, 0, "......", false}}},
        Transcript{"WheelWithButtonStillLightsBoth", {{Wheel | Button3Down, 0, "..3..6", true}}},
        Transcript{"HeldWheelWithButtonRepaintsForTheButton",
                   {{Wheel, 0, ".....6", true}, {Wheel | Button1Down, 1, "1....6", true}}}),
    CaseName());

TEST(PressedMarks, SitInARowLeftToRightWithLabelsAgainstThem) {
  for (std::size_t i = 0; i < kMarkCount; ++i) {
    const PressedMark& mark = kPressedMarks[i];
    EXPECT_EQ(mark.Label, std::string(1, char('1' + i)));
    EXPECT_EQ(mark.LabelBox.Right, mark.Mark.Left);
    if (i > 0) {
      EXPECT_EQ(mark.Mark.Left - kPressedMarks[i - 1].Mark.Left, 50);
    }
  }
  EXPECT_EQ(kWheelLabelBox.Left, kPressedMarks[kWheelMark].Mark.Right);
}

}  // namespace
}  // namespace vantor
