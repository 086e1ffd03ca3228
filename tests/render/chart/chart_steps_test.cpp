#include <gtest/gtest.h>

#include <string>

#include "render/chart/chart_steps.h"

namespace korvix {
namespace {

struct StepCase {
  const char* text;
  int direction;
  double holdspeed;
  const char* stepped;
};

TEST(StepDivisionValueTest, StepsThreeSignificantDigitsPerDecadeWithinTheRange) {
  const StepCase cases[] = {
      {"10.0", -1, 1, "9.99"}, {"9.99", 1, 1, "10.0"}, {"999", 1, 1, "1000"},   {"1000", -1, 1, "999"},
      {"9.98", 1, 1, "9.99"},  {"10.0", 1, 1, "10.1"}, {"0.01", -1, 1, "0.01"}, {"10000.0", 1, 1, "10000.0"},
      {"100", 1, 100, "110"},  {"101", 1, 100, "102"}, {"0", 1, 1, "1"},
  };
  for (const StepCase& c : cases) {
    double holdspeed = c.holdspeed;
    EXPECT_EQ(StepDivisionValue(c.text, c.direction, holdspeed), c.stepped) << c.text << " by " << c.direction;
  }
}

TEST(StepDivisionValueTest, EachStepSpeedsUpAHeldButton) {
  double holdspeed = 1;
  StepDivisionValue("10.0", 1, holdspeed);
  EXPECT_EQ(holdspeed, 2);
  holdspeed = 100;
  StepDivisionValue("100", 1, holdspeed);
  EXPECT_EQ(holdspeed, 100);
}

TEST(StepDivisionValueTest, TextsBeyondTheScaledRangeComeBackUnchanged) {
  double holdspeed = 1;
  EXPECT_EQ(StepDivisionValue("1000000000000", 1, holdspeed), "1000000000000");
  EXPECT_EQ(StepDivisionValue("2147483647", 1, holdspeed), "2147483647");
}

struct SpanCase {
  Rect plot;
  int hdivisions;
  int vdivisions;
  const char* timediv;
  int cursortime;
  int cursorunits;
  int time;
  int value;
  int height;
};

TEST(ChartPlotSpanTest, StepsAreAFiveHundredthOfTheShownRangeWithTheirFloors) {
  const SpanCase cases[] = {
      // 501 px over 10 divisions of 10 s: 100 s shown, 200 ms a step.
      {{0, 0, 501, 401}, 10, 8, "10.0", 0, 0, 200, 1, 2},
      {{0, 0, 501, 401}, 10, 8, "10.0", 1, 0, 200, 2, 2},
      {{0, 0, 501, 401}, 10, 8, "10.0", 1, 1, 200, 2, 2},
      {{0, 0, 1001, 101}, 10, 10, "0.1", 0, 0, 10, 1, 20},
      // Degenerate areas, divisions and Time/Div texts stay finite.
      {{0, 0, 1, 1}, 0, 0, "0.0", 1, 0, 10, 1, 1},
      {{0, 0, 501, 401}, 10, 8, "Error", 0, 0, 10, 1, 2},
  };
  for (const SpanCase& c : cases) {
    ChartRecorderRecord r;
    r.hdivisions = c.hdivisions;
    r.vdivisions = c.vdivisions;
    r.timediv = c.timediv;
    r.cursortime = c.cursortime;
    r.cursorunits = c.cursorunits;
    EXPECT_EQ(ChartPlotTimeSpan(r, c.plot), c.time) << c.timediv;
    EXPECT_EQ(ChartPlotValueSpan(r, c.plot), c.value) << c.timediv;
    EXPECT_EQ(ChartPlotHeightSpan(r, c.plot), c.height) << c.timediv;
  }
}

TEST(TimeDivTenthsTest, ReadsTenthsWhateverTheDecimalsAndFloorsAtOne) {
  EXPECT_EQ(TimeDivTenths("5.0"), 50);
  EXPECT_EQ(TimeDivTenths("5"), 50);
  EXPECT_EQ(TimeDivTenths("2.55"), 25);
  EXPECT_EQ(TimeDivTenths("0.0"), 1);
  EXPECT_EQ(TimeDivTenths("fast"), 1);
}

}  // namespace
}  // namespace korvix
