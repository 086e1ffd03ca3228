#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <vector>

#include "render/font_cell.h"
#include "render/object_geometry.h"

namespace korvix {
namespace {

TEST(FontCellTest, SizeCodesGiveTheirCellsAndAnyOtherTheLargeDefault) {
  struct Case {
    int sizecode;
    Size cell;
  };
  for (const Case& c : {Case{16, {9, 25}}, Case{22, {13, 35}}, Case{36, {21, 58}}, Case{48, {28, 77}},
                        Case{28, {16, 45}}, Case{0, {16, 45}}})
    EXPECT_EQ(FontCellSize(c.sizecode), c.cell) << c.sizecode;
}

TEST(FontCellTest, GridSnapRoundsAnExactHalfDown) {
  struct Case {
    int value;
    int grid;
    int snapped;
  };
  for (const Case& c : {Case{12, 5, 10}, Case{13, 5, 15}, Case{10, 5, 10}, Case{0, 5, 0}, Case{2, 5, 0},
                        Case{15, 10, 10}, Case{16, 10, 20}, Case{22, 15, 15}, Case{23, 15, 30}})
    EXPECT_EQ(SnapExtent(c.value, c.grid), c.snapped) << c.value << " on " << c.grid;
}

class ObjectGeometryTest : public ::testing::Test {
protected:
  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  ObjectGeometry m_geometry{m_doc, m_view, m_states};
};

// A record at (10, 20) with the given cell and factors.
template <class Record>
Record Sized(int sizecode, double widthfactor, double heightfactor) {
  Record r;
  r.x = 10;
  r.y = 20;
  r.sizecode = sizecode;
  r.widthfactor = widthfactor;
  r.heightfactor = heightfactor;
  return r;
}

template <class Record>
Record ThreePart(int sizecode, int first, double widthfactor, int third, double heightfactor) {
  Record r = Sized<Record>(sizecode, widthfactor, heightfactor);
  if constexpr (requires { r.prefixwidth; }) {
    r.prefixwidth = first;
    r.suffixwidth = third;
  } else if constexpr (requires { r.editwidth; }) {
    r.titlewidth = first;
    r.editwidth = third;
  } else {
    r.titlewidth = first;
    r.buttonwidth = third;
  }
  return r;
}

using MakeRect = std::function<Rect(CKorvixDoc&, ObjectGeometry&)>;

struct KindCase {
  const char* kind;
  MakeRect rect;
  std::array<Rect, 3> atfactor;  // Font Size X 1, 2, 3
};

TEST_F(ObjectGeometryTest, EveryKindAtEveryFontSize) {
  const std::vector<KindCase> cases = {
      {"Text Box",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectTextBox(d.m_textboxes.Add(Sized<TextBoxRecord>(22, 10.5, 1.25)));
       },
       {{{10, 20, 145, 65}, {20, 40, 290, 130}, {30, 60, 435, 195}}}},
      {"Text Box at its minimum",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectTextBox(d.m_textboxes.Add(Sized<TextBoxRecord>(16, 0.5, 0.25)));
       },
       {{{10, 20, 30, 40}, {20, 40, 40, 60}, {30, 60, 50, 80}}}},
      {"Image Box, which does not zoom",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         ImageBoxRecord r;
         r.x = 10;
         r.y = 20;
         r.width = 83;
         r.height = 61;
         return g.ObjectRectImageBox(d.m_imageboxes.Add(r));
       },
       {{{10, 20, 93, 81}, {20, 40, 103, 101}, {30, 60, 113, 121}}}},
      {"Data Window",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectDataWindow(d.m_datawindows.Add(ThreePart<DataWindowRecord>(22, 5, 8.25, 4, 1.25)));
       },
       {{{10, 20, 230, 65}, {20, 40, 460, 130}, {30, 60, 690, 195}}}},
      {"Text Window",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectTextWindow(d.m_textwindows.Add(ThreePart<TextWindowRecord>(36, 3, 6.5, 2, 1.5)));
       },
       {{{10, 20, 250, 105}, {20, 40, 500, 210}, {30, 60, 750, 315}}}},
      {"Input Window",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectInputWindow(d.m_inputwindows.Add(ThreePart<InputWindowRecord>(22, 5, 8.25, 4, 1.25)));
       },
       {{{10, 20, 230, 65}, {20, 40, 460, 130}, {30, 60, 690, 195}}}},
      {"Level Gauge",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectLevelGauge(d.m_levelgauges.Add(Sized<LevelGaugeRecord>(22, 4.0, 5.5)));
       },
       {{{10, 20, 60, 210}, {20, 40, 120, 420}, {30, 60, 180, 630}}}},
      {"Level Gauge snapped to nothing",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectLevelGauge(d.m_levelgauges.Add(Sized<LevelGaugeRecord>(16, 0.125, 0.0625)));
       },
       {{{10, 20, 10, 20}, {20, 40, 20, 40}, {30, 60, 30, 60}}}},
      {"Dial Gauge, square on equal factors",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectDialGauge(d.m_dialgauges.Add(Sized<DialGaugeRecord>(22, 5.5, 5.5)));
       },
       {{{10, 20, 200, 210}, {20, 40, 400, 420}, {30, 60, 600, 630}}}},
      {"Meter Gauge",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectMeterGauge(d.m_metergauges.Add(Sized<MeterGaugeRecord>(22, 5.5, 2.75)));
       },
       {{{10, 20, 200, 115}, {20, 40, 400, 230}, {30, 60, 600, 345}}}},
      {"Vertical Gauge",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectVerticalGauge(d.m_vertgauges.Add(Sized<VerticalGaugeRecord>(22, 4.0, 5.5)));
       },
       {{{10, 20, 60, 210}, {20, 40, 120, 420}, {30, 60, 180, 630}}}},
      {"Horizontal Gauge",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectHorizontalGauge(d.m_horzgauges.Add(Sized<HorizontalGaugeRecord>(22, 5.5, 1.75)));
       },
       {{{10, 20, 200, 80}, {20, 40, 400, 160}, {30, 60, 600, 240}}}},
      {"Dual Hand Gauge",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectDualHandGauge(d.m_dualhandgauges.Add(Sized<DualHandGaugeRecord>(22, 5.0, 5.0)));
       },
       {{{10, 20, 185, 195}, {20, 40, 370, 390}, {30, 60, 555, 585}}}},
      {"Wind Vane with size code 28",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectWindVane(d.m_windvanes.Add(Sized<WindVaneRecord>(28, 4.5, 4.5)));
       },
       {{{10, 20, 210, 220}, {20, 40, 420, 440}, {30, 60, 630, 660}}}},
      {"Pivot Tracker",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectPivotTracker(d.m_pivottrackers.Add(Sized<PivotTrackerRecord>(48, 5.5, 5.5)));
       },
       {{{10, 20, 435, 445}, {20, 40, 870, 890}, {30, 60, 1305, 1335}}}},
      {"Signal Lamp",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectSignalLamp(d.m_signallamps.Add(Sized<SignalLampRecord>(22, 4.0, 1.0)));
       },
       {{{10, 20, 60, 55}, {20, 40, 120, 110}, {30, 60, 180, 165}}}},
      {"Signal Lamp at its minimum",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectSignalLamp(d.m_signallamps.Add(Sized<SignalLampRecord>(16, 0.5, 0.25)));
       },
       {{{10, 20, 30, 40}, {20, 40, 40, 60}, {30, 60, 50, 80}}}},
      {"Event Counter",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectEventCounter(d.m_eventcounters.Add(ThreePart<EventCounterRecord>(22, 5, 8.25, 3, 1.25)));
       },
       {{{10, 20, 220, 65}, {20, 40, 440, 130}, {30, 60, 660, 195}}}},
      {"Event Timer",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectEventTimer(d.m_eventtimers.Add(ThreePart<EventTimerRecord>(22, 5, 10.5, 3, 1.25)));
       },
       {{{10, 20, 250, 65}, {20, 40, 500, 130}, {30, 60, 750, 195}}}},
      {"Push Button",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectPushButton(d.m_pushbuttons.Add(Sized<PushButtonRecord>(22, 5.75, 1.0)));
       },
       {{{10, 20, 85, 55}, {20, 40, 170, 110}, {30, 60, 255, 165}}}},
      {"Push Button at its minimum",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectPushButton(d.m_pushbuttons.Add(Sized<PushButtonRecord>(16, 0.5, 0.25)));
       },
       {{{10, 20, 30, 40}, {20, 40, 40, 60}, {30, 60, 50, 80}}}},
      {"Button Array of three",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         ButtonArrayRecord r = Sized<ButtonArrayRecord>(22, 4.25, 1.25);
         r.buttons.Remove(3);
         return g.ObjectRectButtonArray(d.m_buttonarrays.Add(r));
       },
       {{{10, 20, 175, 65}, {20, 40, 350, 130}, {30, 60, 525, 195}}}},
      {"Rocker Switch",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectRockerSwitch(d.m_rockerswitches.Add(Sized<RockerSwitchRecord>(22, 4.0, 2.25)));
       },
       {{{10, 20, 60, 100}, {20, 40, 120, 200}, {30, 60, 180, 300}}}},
      {"Slider Control",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectSliderControl(d.m_slidercontrols.Add(Sized<SliderControlRecord>(22, 4.0, 5.5)));
       },
       {{{10, 20, 60, 210}, {20, 40, 120, 420}, {30, 60, 180, 630}}}},
      {"PI-Controller",
       [](CKorvixDoc& d, ObjectGeometry& g) {
         return g.ObjectRectPIController(d.m_picontrollers.Add(Sized<PIControllerRecord>(22, 14.25, 5.25)));
       },
       {{{10, 20, 195, 205}, {20, 40, 390, 410}, {30, 60, 585, 615}}}},
  };
  for (const KindCase& c : cases) {
    for (int factor = 1; factor <= 3; ++factor) {
      m_view.SetFontFactor(factor);
      EXPECT_EQ(c.rect(m_doc, m_geometry), c.atfactor[factor - 1]) << c.kind << " at factor " << factor;
    }
  }
}

TEST_F(ObjectGeometryTest, WholeRectangleClampsTheRecordAndOffsetsByTheScroll) {
  TextBoxRecord r = Sized<TextBoxRecord>(22, 10.5, 1.25);
  r.x = -5;
  r.y = -7;
  const int index = m_doc.m_textboxes.Add(r);
  m_view.m_scrollx = 100;
  m_view.m_scrolly = 30;
  EXPECT_EQ(m_geometry.ObjectRectTextBox(index), (Rect{-100, -30, 35, 15}));
  EXPECT_EQ(m_doc.m_textboxes[index].x, 0);
  EXPECT_EQ(m_doc.m_textboxes[index].y, 0);
  EXPECT_EQ(m_states.At(ScreenObjectKind::TextBox, index).screenrect, (Rect{-100, -30, 35, 15}));
}

TEST_F(ObjectGeometryTest, DuringADragTheCacheKeepsWhatTheDragSet) {
  const int index = m_doc.m_dialgauges.Add(Sized<DialGaugeRecord>(22, 5.5, 5.5));
  const Rect dragged{300, 300, 490, 490};
  m_states.At(ScreenObjectKind::DialGauge, index).screenrect = dragged;
  m_view.m_dragstate = 1;
  EXPECT_EQ(m_geometry.ObjectRectDialGauge(index), (Rect{10, 20, 200, 210}));
  EXPECT_EQ(m_states.At(ScreenObjectKind::DialGauge, index).screenrect, dragged);
  m_view.m_dragstate = 0;
  m_geometry.ObjectRectDialGauge(index);
  EXPECT_EQ(m_states.At(ScreenObjectKind::DialGauge, index).screenrect, (Rect{10, 20, 200, 210}));
}

TEST_F(ObjectGeometryTest, PartRectanglesLeaveTheRecordAlone) {
  InputWindowRecord r = ThreePart<InputWindowRecord>(22, 5, 8.25, 4, 1.25);
  r.x = -10;
  const int index = m_doc.m_inputwindows.Add(r);
  m_geometry.ObjectRectInputWindowEditButton(index);
  m_geometry.ObjectRectInputWindowKeypad(index, {0, 0, 800, 600});
  EXPECT_EQ(m_doc.m_inputwindows[index].x, -10);
  EXPECT_EQ(m_states.At(ScreenObjectKind::InputWindow, index).screenrect, Rect{});
}

TEST_F(ObjectGeometryTest, EditButtonSitsInTheThirdPartShrunkAllRound) {
  const int index = m_doc.m_inputwindows.Add(ThreePart<InputWindowRecord>(22, 5, 8.25, 4, 1.25));
  EXPECT_EQ(m_geometry.ObjectRectInputWindowEditButton(index), (Rect{185, 29, 225, 56}));
  m_view.SetFontFactor(2);
  EXPECT_EQ(m_geometry.ObjectRectInputWindowEditButton(index), (Rect{370, 58, 450, 112}));
}

TEST_F(ObjectGeometryTest, KeypadIsCentredOnItsWindowAndPushedInsideTheClientArea) {
  InputWindowRecord r = ThreePart<InputWindowRecord>(22, 5, 8.25, 4, 1.25);
  r.y = 200;
  const int middle = m_doc.m_inputwindows.Add(r);
  r.x = 700;
  const int nearright = m_doc.m_inputwindows.Add(r);
  r.x = 0;
  r.y = 0;
  const int nearcorner = m_doc.m_inputwindows.Add(r);
  const Rect client{0, 0, 800, 600};

  // 4 x 52 by 70 + 4 x 39 keys, grown by 5: 218 x 236.
  EXPECT_EQ(m_geometry.ObjectRectInputWindowKeypad(middle, client), (Rect{11, 104, 229, 340}));
  EXPECT_EQ(m_geometry.ObjectRectInputWindowKeypad(nearright, client).right, 795);
  EXPECT_EQ(m_geometry.ObjectRectInputWindowKeypad(nearcorner, client), (Rect{5, 5, 223, 241}));
  // Too small a client area: the right and bottom margins win.
  EXPECT_EQ(m_geometry.ObjectRectInputWindowKeypad(nearcorner, {0, 0, 100, 100}), (Rect{-123, -141, 95, 95}));
}

TEST_F(ObjectGeometryTest, CounterButtonsStackInTheThirdPartAndStayInsideIt) {
  const int roomy = m_doc.m_eventcounters.Add(ThreePart<EventCounterRecord>(22, 5, 8.25, 3, 1.25));
  EXPECT_EQ(m_geometry.ObjectRectEventCounterUpButton(roomy), (Rect{189, 23, 212, 35}));
  EXPECT_EQ(m_geometry.ObjectRectEventCounterResetButton(roomy), (Rect{189, 37, 212, 48}));
  EXPECT_EQ(m_geometry.ObjectRectEventCounterDownButton(roomy), (Rect{189, 50, 212, 62}));

  const int flat = m_doc.m_eventcounters.Add(ThreePart<EventCounterRecord>(22, 5, 8.25, 3, 0.5));
  EXPECT_EQ(m_geometry.ObjectRectEventCounterUpButton(flat), (Rect{189, 20, 212, 32}));    // moved down
  EXPECT_EQ(m_geometry.ObjectRectEventCounterDownButton(flat), (Rect{189, 23, 212, 35}));  // moved up
}

TEST_F(ObjectGeometryTest, TimerButtonsShareTheCounterColumnAndEndAtTheTimerEdges) {
  const int flat = m_doc.m_eventtimers.Add(ThreePart<EventTimerRecord>(22, 5, 10.5, 3, 0.5));
  const Rect timer = m_geometry.ObjectRectEventTimer(flat);
  const Rect start = m_geometry.ObjectRectEventTimerStartButton(flat);
  const Rect reset = m_geometry.ObjectRectEventTimerResetButton(flat);
  const Rect halt = m_geometry.ObjectRectEventTimerHaltButton(flat);
  EXPECT_EQ(start.top, timer.top);
  EXPECT_EQ(halt.bottom, timer.bottom);
  EXPECT_LT(start.top, reset.top);
  EXPECT_GT(halt.bottom, reset.bottom);
  EXPECT_EQ(start.bottom, (timer.top + timer.bottom) / 2 - 8 + 1);  // 0.24 cell heights above the centre
  EXPECT_EQ(reset.left, start.left);
  EXPECT_EQ(reset.right, halt.right);
}

TEST_F(ObjectGeometryTest, RockerHalvesSplitTheRockerBelowItsTitle) {
  const int index = m_doc.m_rockerswitches.Add(Sized<RockerSwitchRecord>(22, 4.0, 2.25));
  const Rect rocker = m_geometry.ObjectRectRockerSwitch(index);
  const Rect upper = m_geometry.ObjectRectRockerSwitchUpper(index);
  const Rect lower = m_geometry.ObjectRectRockerSwitchLower(index);
  EXPECT_EQ(upper.top, rocker.top + 20);  // 0.59 cell heights
  EXPECT_EQ(upper.left, rocker.left + 4);
  EXPECT_EQ(upper.bottom, lower.top);
  EXPECT_LE(lower.bottom, rocker.bottom);
  EXPECT_LE(lower.right, rocker.right);
  EXPECT_GT(Height(upper), 0);
}

}  // namespace
}  // namespace korvix
