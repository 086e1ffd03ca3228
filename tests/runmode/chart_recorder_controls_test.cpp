#include "runmode/run_controls.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "../executors/executors_fixture.h"
#include "recording/time_stamps.h"
#include "render/chart/chart_steps.h"
#include "texts/number_texts.h"

namespace korvix::testing {
namespace {

Point Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class NoPI final : public PIStepper {
public:
  void StepPIController(int, PIStepButton) override {}
  PIControllerReadings Readings(int) override { return {"", "", std::nullopt}; }
};

// A recorder of one field whose samples run from 00:00:10 to 00:02:00,
// showing 00:01:00 and following the newest sample.
class ChartRecorderControlsTest : public ExecutorsFixture, public ::testing::Test {
protected:
  ChartRecorderControlsTest() {
    ChartRecorderRecord& r = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
    r.fields[r.fields.Add()].label = "Tank1";
    r.startdate = r.lastdate = r.windowdate = "01/01/25";
    r.starttime = "00:00:10.00";
    r.lasttime = "00:02:00.00";
    r.windowtime = "00:01:00.00";
    r.timediv = "5.0";
  }

  ChartRecorderRecord& R() { return doc.m_chartrecorders[0]; }
  ChartRecorderRunState& S() { return states.ChartRecorders()[0]; }
  int64_t WindowMs() { return StampToMs(R().windowdate, R().windowtime) - StampToMs("01/01/25", "00:01:00.00"); }
  int TimeSpan() { return ChartPlotTimeSpan(R(), chart.ChartPlotRect(0)); }

  void Click(const Rect& part) {
    const Point at = Centre(part);
    ASSERT_TRUE(controls.OnLeftButtonDown(at, client));
    ASSERT_TRUE(controls.OnLeftButtonUp(at));
  }

  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view, states};
  ChartRecorderGeometry chart{doc, view, states};
  NoPI pi;
  InputWindowRunStates inputs;
  RunControls controls{doc, view, geometry, values, executors, services, pi, clock, inputs};
  Rect client{0, 0, 1600, 1200};
};

TEST_F(ChartRecorderControlsTest, EachStripButtonMakesOneStepAndHoldsOrFollowsTheWindow) {
  struct Case {
    const char* name;
    std::function<Rect()> part;
    int64_t window;  // ms from 00:01:00
    int windowheld;
  };
  const int span = TimeSpan();
  const Case cases[] = {
      {"to start", [&] { return chart.ChartToStartButtonRect(0); }, -50000, 1},
      {"step back", [&] { return chart.ChartStepBackButtonRect(0); }, -span, 1},
      {"step forward", [&] { return chart.ChartStepForwardButtonRect(0); }, span, 1},
      {"to end", [&] { return chart.ChartToEndButtonRect(0); }, 60000, 0},
  };
  for (const Case& c : cases) {
    R().windowtime = "00:01:00.00";
    S().windowheld = 1 - c.windowheld;
    S().redrawtraces = 0;
    Click(c.part());
    EXPECT_EQ(WindowMs(), c.window) << c.name;
    EXPECT_EQ(S().windowheld, c.windowheld) << c.name;
    EXPECT_EQ(S().redrawtraces, 1) << c.name;
  }
}

TEST_F(ChartRecorderControlsTest, ScaleAndCursorButtonsStepWithinTheirBounds) {
  struct Case {
    const char* name;
    std::function<Rect()> part;
    std::string* value;
    const char* before;
    const char* after;
  };
  ChartRecorderField& field = R().fields[0];
  R().cursornone = 0;
  R().cursortime = 1;
  R().cursor2 = "6.50";
  const Case cases[] = {
      {"Time/Div up", [&] { return chart.ChartTimeDivButtonRect(0); }, &R().timediv, "5.0", "5.1"},
      {"Time/Div down", [&] { return chart.ChartTimeDivRect(0); }, &R().timediv, "5.0", "4.9"},
      {"Time/Div floor", [&] { return chart.ChartTimeDivRect(0); }, &R().timediv, "0.1", "0.1"},
      {"Time/Div ceiling", [&] { return chart.ChartTimeDivButtonRect(0); }, &R().timediv, "9999.9", "9999.9"},
      {"Time/Div of no number", [&] { return chart.ChartTimeDivButtonRect(0); }, &R().timediv, "", "0.2"},
      {"Cursor1 up", [&] { return chart.ChartCursor1ButtonRect(0); }, &R().cursor1, "3.50", "3.51"},
      {"Cursor1 floor", [&] { return chart.ChartCursor1Rect(0); }, &R().cursor1, "0.00", "0.00"},
      {"Cursor2 ceiling", [&] { return chart.ChartCursor2ButtonRect(0); }, &R().cursor2, "10.00", "10.00"},
      {"Cursor2 down", [&] { return chart.ChartCursor2Rect(0); }, &R().cursor2, "6.50", "6.49"},
      {"Unit/Div up", [&] { return chart.ChartFieldUpperUpRect(0, 0); }, &field.unitdiv, "10.0", "10.1"},
      {"Unit/Div down", [&] { return chart.ChartFieldUpperDownRect(0, 0); }, &field.unitdiv, "10.0", "9.99"},
      {"Position up", [&] { return chart.ChartFieldLowerUpRect(0, 0); }, &field.position, "4.00", "4.01"},
      {"Position down", [&] { return chart.ChartFieldLowerDownRect(0, 0); }, &field.position, "0.00", "-0.01"},
  };
  for (const Case& c : cases) {
    *c.value = c.before;
    Click(c.part());
    EXPECT_EQ(*c.value, c.after) << c.name;
  }
  // Cursor1 last stood at 0.00 and Cursor2 at 6.49.
  EXPECT_EQ(R().delta, "6.49");
}

// A held button's repeats step by the recorder's span for it times the
// speed, which grows by one at every repeat; Unit/Div steps a decade's
// digit each time.
TEST_F(ChartRecorderControlsTest, HeldCursorPositionAndUnitDivButtonsStepBySpanTimesTheHoldSpeed) {
  struct Case {
    const char* name;
    std::function<Rect()> part;
    std::string* value;
    const char* before;
    int direction;
    int span;                        // hundredths; 0 for a decade's digit
    std::vector<std::string> steps;  // after the press and two repeats
  };
  ChartRecorderField& field = R().fields[0];
  R().cursornone = 0;
  R().cursortime = 1;
  const Rect plot = chart.ChartPlotRect(0);
  const int value = ChartPlotValueSpan(R(), plot);
  const int height = ChartPlotHeightSpan(R(), plot);
  const auto moved = [](int from, int direction, int span) {
    std::vector<std::string> texts;
    int at = from + direction;
    texts.push_back(FormatNumberText(at, 2));
    for (int speed = 1; speed <= 2; ++speed) texts.push_back(FormatNumberText(at += direction * span * speed, 2));
    return texts;
  };
  const Case cases[] = {
      {"Cursor1 up", [&] { return chart.ChartCursor1ButtonRect(0); }, &R().cursor1, "1.00", 1, value,
       moved(100, 1, value)},
      {"Cursor2 down", [&] { return chart.ChartCursor2Rect(0); }, &R().cursor2, "6.50", -1, value,
       moved(650, -1, value)},
      {"Position up", [&] { return chart.ChartFieldLowerUpRect(0, 0); }, &field.position, "4.00", 1, height,
       moved(400, 1, height)},
      {"Position down", [&] { return chart.ChartFieldLowerDownRect(0, 0); }, &field.position, "4.00", -1, height,
       moved(400, -1, height)},
      {"Unit/Div up",
       [&] { return chart.ChartFieldUpperUpRect(0, 0); },
       &field.unitdiv,
       "9.98",
       1,
       0,
       {"9.99", "10.0", "10.1"}},
  };
  ASSERT_GT(value, 1);
  ASSERT_GT(height, 1);
  for (const Case& c : cases) {
    *c.value = c.before;
    const Point at = Centre(c.part());
    ASSERT_TRUE(controls.OnLeftButtonDown(at, client));
    std::vector<std::string> seen{*c.value};
    clock.now += 250;
    controls.AdvanceControls();
    seen.push_back(*c.value);
    clock.now += 100;
    controls.AdvanceControls();
    seen.push_back(*c.value);
    ASSERT_TRUE(controls.OnLeftButtonUp(at));
    EXPECT_EQ(seen, c.steps) << c.name;
  }
}

// A step invalidates the button pressed and what it changed where the
// drawing last put it, and the trace area; the release, the button again.
TEST_F(ChartRecorderControlsTest, EachStepInvalidatesItsButtonWhatItChangedAndTheTraceArea) {
  ChartRecorderRunState& state = S();
  state.daterect = {1, 1, 2, 2};
  state.timerect = {3, 3, 4, 4};
  state.timedivrect = {5, 5, 6, 6};
  state.plotrect = {7, 7, 8, 8};
  state.unitdivboxes[0] = {9, 9, 10, 10};
  state.positionboxes[0] = {11, 11, 12, 12};
  struct Case {
    const char* name;
    Rect button;
    std::vector<Rect> invalidated;
  };
  const Rect tostart = chart.ChartToStartButtonRect(0);
  const Rect timedivup = chart.ChartTimeDivButtonRect(0);
  const Rect cursor1up = chart.ChartCursor1ButtonRect(0);
  const Rect unitdivup = chart.ChartFieldUpperUpRect(0, 0);
  const Rect positiondown = chart.ChartFieldLowerDownRect(0, 0);
  const Rect modes[] = {chart.ChartCursorModeRect(0), chart.ChartCursorModeButton1Rect(0),
                        chart.ChartCursorModeButton2Rect(0)};
  const Rect print = chart.ChartPrintButtonRect(0);
  const Case cases[] = {
      {"to start", tostart, {tostart, state.daterect, state.timerect, state.plotrect, tostart}},
      {"Time/Div up", timedivup, {timedivup, state.timedivrect, state.plotrect, timedivup}},
      {"Cursor1 up", cursor1up, {cursor1up, state.plotrect, cursor1up}},
      {"Unit/Div up", unitdivup, {unitdivup, state.unitdivboxes[0], state.plotrect, unitdivup}},
      {"Position down", positiondown, {positiondown, state.positionboxes[0], state.plotrect, positiondown}},
      {"Time cursors", modes[1], {modes[0], modes[1], modes[2], state.plotrect}},
      {"Print", print, {print, print}},
  };
  for (const Case& c : cases) {
    services.invalidated.clear();
    Click(c.button);
    EXPECT_EQ(services.invalidated, c.invalidated) << c.name;
  }
}

TEST_F(ChartRecorderControlsTest, ACursorModeSetsItsCursorsAThirdInFromEachSide) {
  R().hdivisions = 10;
  R().vdivisions = 8;
  Click(chart.ChartCursorModeButton1Rect(0));
  EXPECT_EQ((std::vector<int>{R().cursornone, R().cursortime, R().cursorunits}), (std::vector<int>{0, 1, 0}));
  EXPECT_EQ((std::vector<std::string>{R().cursor1, R().cursor2, R().delta}),
            (std::vector<std::string>{"3.50", "6.50", "3.00"}));
  Click(chart.ChartCursorModeButton2Rect(0));
  EXPECT_EQ((std::vector<std::string>{R().cursor1, R().cursor2, R().delta}),
            (std::vector<std::string>{"2.80", "5.20", "2.40"}));
  Click(chart.ChartCursorModeRect(0));
  EXPECT_EQ((std::vector<int>{R().cursornone, R().cursortime, R().cursorunits}), (std::vector<int>{1, 0, 0}));
}

TEST_F(ChartRecorderControlsTest, AHeldButtonRepeatsAfter250MsThenEvery100MsFasterEachTime) {
  const int span = TimeSpan();
  const Point at = Centre(chart.ChartStepForwardButtonRect(0));
  ASSERT_TRUE(controls.OnLeftButtonDown(at, client));
  EXPECT_EQ(S().stepforwardpressed, 1);
  EXPECT_EQ(WindowMs(), span);
  clock.now += 249;
  controls.AdvanceControls();
  EXPECT_EQ(WindowMs(), span);
  clock.now += 1;
  controls.AdvanceControls();
  EXPECT_EQ(WindowMs(), 2 * span);
  clock.now += 99;
  controls.AdvanceControls();
  EXPECT_EQ(WindowMs(), 2 * span);
  clock.now += 1;
  controls.AdvanceControls();
  EXPECT_EQ(WindowMs(), 4 * span);
  ASSERT_TRUE(controls.OnLeftButtonUp(at));
  EXPECT_EQ(S().stepforwardpressed, 0);
  clock.now += 1000;
  controls.AdvanceControls();
  EXPECT_EQ(WindowMs(), 4 * span);
  // The next press starts slow again.
  ASSERT_TRUE(controls.OnLeftButtonDown(at, client));
  EXPECT_EQ(WindowMs(), 5 * span);
}

TEST_F(ChartRecorderControlsTest, PressedLooksLastUntilTheReleaseAndOtherPagesTakeNoPress) {
  const Point print = Centre(chart.ChartPrintButtonRect(0));
  ASSERT_TRUE(controls.OnLeftButtonDown(print, client));
  EXPECT_EQ(S().printpressed, 1);
  ASSERT_TRUE(controls.OnLeftButtonUp(print));
  EXPECT_EQ(S().printpressed, 0);

  const Point arrow = Centre(chart.ChartFieldLowerUpRect(0, 0));
  ASSERT_TRUE(controls.OnLeftButtonDown(arrow, client));
  EXPECT_EQ(R().fields[0].positionuppressed, 1);
  ASSERT_TRUE(controls.OnLeftButtonUp(arrow));
  EXPECT_EQ(R().fields[0].positionuppressed, 0);

  R().page = 2;
  EXPECT_FALSE(controls.OnLeftButtonDown(print, client));
  EXPECT_FALSE(controls.OnLeftButtonUp(print));
}

}  // namespace
}  // namespace korvix::testing
