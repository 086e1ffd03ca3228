#include <gtest/gtest.h>

#include "render/chart_recorder_geometry.h"

namespace korvix {
namespace {

class ChartRecorderGeometryTest : public ::testing::Test {
protected:
  // The default recorder (36 x 8.2 cells) in size code 16 at 10, 20.
  ChartRecorderGeometryTest() {
    m_index = m_doc.m_chartrecorders.Add();
    ChartRecorderRecord& r = Recorder();
    r.sizecode = 16;
    r.x = 10;
    r.y = 20;
    r.fields.Add();
    r.fields[r.fields.Add()].order = 1;
  }
  ChartRecorderRecord& Recorder() { return m_doc.m_chartrecorders[m_index]; }

  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  ChartRecorderGeometry m_geometry{m_doc, m_view, m_states};
  int m_index = 0;
};

TEST_F(ChartRecorderGeometryTest, ObjectAndTraceAreaAtEachFontSize) {
  struct Case {
    int factor;
    Rect object;
    Rect plot;
  };
  // At 2 and 3 an odd trace extent moves its left or top edge one pixel in.
  for (const Case& c :
       {Case{1, {10, 20, 335, 225}, {19, 32, 257, 194}}, Case{2, {20, 40, 670, 450}, {39, 66, 517, 394}},
        Case{3, {30, 60, 1005, 675}, {57, 98, 777, 594}}}) {
    m_view.SetFontFactor(c.factor);
    EXPECT_EQ(m_geometry.ObjectRectChartRecorder(m_index), c.object) << c.factor;
    EXPECT_EQ(m_states.At(ScreenObjectKind::ChartRecorder, m_index).screenrect, c.object) << c.factor;
    const Rect plot = m_geometry.ChartPlotRect(m_index);
    EXPECT_EQ(plot, c.plot) << c.factor;
    EXPECT_EQ(Width(plot) % 2, 0);
    EXPECT_EQ(Height(plot) % 2, 0);
  }
}

TEST_F(ChartRecorderGeometryTest, EveryPartAtFontSizeOne) {
  struct Case {
    const char* name;
    Rect rect;
    Rect expected;
  };
  const ChartRecorderGeometry& g = m_geometry;
  for (const Case& c : {
           Case{"to start", g.ChartToStartButtonRect(m_index), {19, 197, 44, 222}},
           Case{"step back", g.ChartStepBackButtonRect(m_index), {44, 197, 69, 222}},
           Case{"step forward", g.ChartStepForwardButtonRect(m_index), {207, 197, 232, 222}},
           Case{"to end", g.ChartToEndButtonRect(m_index), {232, 197, 257, 222}},
           Case{"print", g.ChartPrintButtonRect(m_index), {300, 197, 325, 222}},
           Case{"cursor mode", g.ChartCursorModeRect(m_index), {93, 209, 114, 222}},
           Case{"cursor mode 1", g.ChartCursorModeButton1Rect(m_index), {114, 209, 135, 222}},
           Case{"cursor mode 2", g.ChartCursorModeButton2Rect(m_index), {135, 209, 156, 222}},
           Case{"cursor 1", g.ChartCursor1Rect(m_index), {160, 209, 173, 222}},
           Case{"cursor 1 button", g.ChartCursor1ButtonRect(m_index), {176, 209, 189, 222}},
           Case{"cursor 2", g.ChartCursor2Rect(m_index), {193, 209, 206, 222}},
           Case{"cursor 2 button", g.ChartCursor2ButtonRect(m_index), {209, 209, 222, 222}},
           Case{"time/div", g.ChartTimeDivRect(m_index), {266, 209, 279, 222}},
           Case{"time/div button", g.ChartTimeDivButtonRect(m_index), {283, 209, 296, 222}},
           Case{"field 0 upper up", g.ChartFieldUpperUpRect(m_index, 0), {290, 49, 301, 55}},
           Case{"field 0 upper down", g.ChartFieldUpperDownRect(m_index, 0), {290, 55, 301, 61}},
           Case{"field 0 lower up", g.ChartFieldLowerUpRect(m_index, 0), {290, 64, 301, 70}},
           Case{"field 0 lower down", g.ChartFieldLowerDownRect(m_index, 0), {290, 70, 301, 76}},
           Case{"field 1 upper up", g.ChartFieldUpperUpRect(m_index, 1), {290, 101, 301, 107}},
       })
    EXPECT_EQ(c.rect, c.expected) << c.name;
}

TEST_F(ChartRecorderGeometryTest, PartsStayInsideTheObjectAndTheStripSquaresTouchAtEveryFontSize) {
  for (int factor = 1; factor <= 3; ++factor) {
    m_view.SetFontFactor(factor);
    const Rect object = m_geometry.ObjectRectChartRecorder(m_index);
    const Rect plot = m_geometry.ChartPlotRect(m_index);
    const Rect back = m_geometry.ChartStepBackButtonRect(m_index);
    EXPECT_EQ(m_geometry.ChartToStartButtonRect(m_index).right, back.left) << factor;
    EXPECT_EQ(m_geometry.ChartStepForwardButtonRect(m_index).right, m_geometry.ChartToEndButtonRect(m_index).left);
    EXPECT_EQ(m_geometry.ChartToEndButtonRect(m_index).right, plot.right);
    EXPECT_EQ(Width(back), Height(back));
    const Rect cursor2 = m_geometry.ChartCursor2ButtonRect(m_index);
    EXPECT_EQ(Width(cursor2), Height(cursor2));
    for (const Rect& part :
         {plot, m_geometry.ChartPrintButtonRect(m_index), cursor2, m_geometry.ChartTimeDivButtonRect(m_index),
          m_geometry.ChartFieldLowerDownRect(m_index, 1)}) {
      EXPECT_GE(part.left, object.left) << factor;
      EXPECT_GE(part.top, object.top) << factor;
      EXPECT_LE(part.right, object.right) << factor;
      EXPECT_LE(part.bottom, object.bottom) << factor;
    }
  }
}

TEST_F(ChartRecorderGeometryTest, ExtentsSnapToTheGridWithAnExactHalfGoingDown) {
  m_view.SetFontFactor(2);  // grid 10, cell 18 x 50
  struct Case {
    double widthfactor;
    int width;
  };
  for (const Case& c : {Case{105.5 / 18, 100}, Case{106.5 / 18, 110}, Case{5.0, 90}}) {
    Recorder().widthfactor = c.widthfactor;
    EXPECT_EQ(Width(m_geometry.ObjectRectChartRecorder(m_index)), c.width) << c.widthfactor;
  }
}

TEST_F(ChartRecorderGeometryTest, ScrollMovesTheObjectAndADragLeavesTheCachedRectangle) {
  Recorder().x = -4;
  m_view.m_scrollx = 7;
  m_view.m_scrolly = 3;
  const Rect moved = m_geometry.ObjectRectChartRecorder(m_index);
  EXPECT_EQ(Recorder().x, 0);
  EXPECT_EQ(moved, (Rect{-7, 17, 318, 222}));
  EXPECT_EQ(m_geometry.ChartPlotRect(m_index).left, moved.left + 9);
  m_view.m_dragstate = 1;
  m_view.m_scrollx = 0;
  EXPECT_EQ(m_geometry.ObjectRectChartRecorder(m_index).left, 0);
  EXPECT_EQ(m_states.At(ScreenObjectKind::ChartRecorder, m_index).screenrect, moved);
}

}  // namespace
}  // namespace korvix
