#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "../page/fake_view_window.h"
#include "render/chart/chart_recorder_drawing.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;

class ChartRecorderDrawingTest : public ::testing::Test {
protected:
  ChartRecorderDrawingTest() { m_index = m_doc.m_chartrecorders.Add(); }

  ChartRecorderRecord& Recorder() { return m_doc.m_chartrecorders[m_index]; }
  ChartRecorderRunState& State() { return m_states.ChartRecorders()[m_index]; }

  void Draw(const ChartMemory* memory = nullptr) {
    DrawingContext context{m_dc, m_doc, m_view, m_objects, m_states};
    DrawChartRecorder(context, m_geometry, m_index, m_geometry.ObjectRectChartRecorder(m_index), memory, m_traces,
                      nullptr, &m_window);
  }

  // The next paint covers only `area` less `cuts`, as an invalidation
  // leaves it.
  void InvalidateOnly(const Rect& area, std::initializer_list<Rect> cuts = {}) {
    m_dc = RecordingDeviceContext();
    m_dc.clip = area;
    for (const Rect& cut : cuts) m_dc.ExcludeClipRect(cut);
    m_dc.calls.clear();
  }

  void AddField(const char* label) { Recorder().fields[Recorder().fields.Add()].label = label; }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& call : m_dc.Only(Op::DrawText)) texts.push_back(call.text);
    return texts;
  }
  bool Shows(const std::string& text) const {
    const std::vector<std::string> texts = Texts();
    return std::find(texts.begin(), texts.end(), text) != texts.end();
  }

  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  ObjectGeometry m_objects{m_doc, m_view, m_states};
  ChartRecorderGeometry m_geometry{m_doc, m_view, m_states};
  ChartTraces m_traces;
  RecordingDeviceContext m_dc;
  FakeViewWindow m_window;
  int m_index = 0;
};

TEST_F(ChartRecorderDrawingTest, ARecorderWithoutFieldsShowsItsBandButtonsAndCaptionsButNoCards) {
  Recorder().windowdate = "09/14/25";
  Recorder().windowtime = "13:05:09.42";
  Draw();
  for (const char* text : {"09/14/25", "13:05:09.42", "5.0 Sec/Div", "None", "Time", "Units", "-", "+", "Print",
                           "Cursor Mode", "Cursor1", "Cursor2", "Time/Div"})
    EXPECT_TRUE(Shows(text)) << text;
  EXPECT_FALSE(Shows("Unit/Div"));
  EXPECT_FALSE(Shows("Cursor 1  "));
  const Rect plot = m_geometry.ChartPlotRect(m_index);
  EXPECT_EQ(State().plotrect, Inflated(plot, 1, 1));
  EXPECT_EQ(State().timerect.bottom, plot.top);
}

TEST_F(ChartRecorderDrawingTest, EachFieldHasACardWithItsValueBoxesCutOutOfTheClip) {
  ChartRecorderRecord& r = Recorder();
  for (const char* label : {"Tank1", "Pump"}) {
    ChartRecorderField field;
    field.label = label;
    field.order = r.fields.Count();
    field.unitdiv = "2.50";
    r.fields.Add(field);
  }
  Draw();
  EXPECT_TRUE(Shows("Tank1"));
  EXPECT_TRUE(Shows("Pump"));
  const std::vector<std::string> texts = Texts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "2.50"), 2);
  const Rect second = State().unitdivboxes[1];
  EXPECT_GT(second.top, State().unitdivboxes[0].top);
  const auto cuts = m_dc.Only(Op::ExcludeClipRect);
  EXPECT_TRUE(std::any_of(cuts.begin(), cuts.end(), [&](const auto& call) { return call.rect == second; }));
}

TEST_F(ChartRecorderDrawingTest, ReadoutsFollowTheCursorModeAndThePaintClearsThePendingUpdate) {
  ChartRecorderRecord& r = Recorder();
  r.cursornone = 0;
  r.cursortime = 1;
  r.cursor1 = "3.50";
  r.cursor2 = "6.50";
  r.delta = "3.00";
  ChartRecorderRunState& state = State();
  state.redrawtraces = 1;
  Draw();
  for (const char* text : {"Cursor 1  ", "3.50", "Delta  ", "3.00", "Cursor 2  ", "6.50"})
    EXPECT_TRUE(Shows(text)) << text;
  EXPECT_EQ(state.prevcursor1, "3.50");
  EXPECT_EQ(state.redrawtraces, 0);
  EXPECT_FALSE(IsEmpty(state.cursor1textrect));
  EXPECT_LT(state.cursor1textrect.right, state.deltatextrect.left);
  EXPECT_LT(state.deltatextrect.right, state.cursor2textrect.left);
}

TEST_F(ChartRecorderDrawingTest, ATimeDivReadoutOfAnotherWidthInvalidatesWhereTheOldOneStoodGrownByAnX) {
  struct Case {
    const char* before;
    const char* after;
    bool invalidated;
  };
  const Case cases[] = {{"10.0", "5.0", true}, {"5.0", "10.0", true}, {"5.0", "5.1", false}};
  const int x = RecordingDeviceContext::kCharWidth;
  for (const Case& c : cases) {
    Recorder().timediv = c.before;
    Draw();
    const Rect old = State().timedivrect;
    m_window.invalidated.clear();
    Recorder().timediv = c.after;
    Draw();
    const std::vector<FakeViewWindow::Invalidation> expected =
        c.invalidated ? std::vector<FakeViewWindow::Invalidation>{{Inflated(old, x, 0), false}}
                      : std::vector<FakeViewWindow::Invalidation>{};
    EXPECT_EQ(m_window.invalidated, expected) << c.before << " to " << c.after;
    EXPECT_EQ(State().timedivrect.right, m_geometry.ChartPlotRect(m_index).right) << c.after;
  }
}

TEST_F(ChartRecorderDrawingTest, AnInvalidAreaInsideTheTimeReadoutRepaintsOnlyTheFaceAndTheBand) {
  AddField("Tank1");
  Recorder().windowtime = "13:05:09.42";
  Draw();
  InvalidateOnly(State().timerect);
  Draw();
  EXPECT_FALSE(Shows("Tank1"));
  EXPECT_FALSE(Shows("Unit/Div"));
  EXPECT_FALSE(Shows("Print"));
  EXPECT_FALSE(Shows("Cursor Mode"));
  EXPECT_TRUE(Shows("13:05:09.42"));
  EXPECT_EQ(m_dc.Count(Op::Polygon), 0u);   // no card, arrow or button icon
  EXPECT_EQ(m_dc.Count(Op::SetPixel), 0u);  // no grid

  // A little more than the readout is a paint of the whole recorder.
  InvalidateOnly(Inflated(State().timerect, 1, 0));
  Draw();
  EXPECT_TRUE(Shows("Tank1"));
  EXPECT_TRUE(Shows("Print"));
}

// A window that follows its newest sample invalidates the time readout and
// the trace area, whose update is drawn first: the ring round the area is
// the face's, and the cards and buttons are left alone.
TEST_F(ChartRecorderDrawingTest, AFollowsUpdateOfTheTraceAreaAndTheTimeReadoutSkipsTheCardsAndButtons) {
  AddField("Tank1");
  Draw();
  const Rect time = State().timerect;
  const Rect plotrect = State().plotrect;
  const Rect bounds{plotrect.left, time.top, plotrect.right, plotrect.bottom};
  const Rect left{bounds.left, bounds.top, time.left, plotrect.top};
  const Rect right{time.right, bounds.top, bounds.right, plotrect.top};
  for (const int pending : {1, 0}) {
    State().redrawtraces = pending;
    InvalidateOnly(bounds, {left, right});
    Draw();
    EXPECT_EQ(Shows("Tank1"), pending == 0) << pending;
    EXPECT_EQ(Shows("Print"), pending == 0) << pending;
    EXPECT_GT(m_dc.Count(Op::SetPixel), 0u) << pending;  // the trace area's grid
    EXPECT_EQ(State().redrawtraces, 0) << pending;
  }
}

TEST_F(ChartRecorderDrawingTest, OddSettingsFromAFileDrawWithoutFailing) {
  ChartRecorderRecord& r = Recorder();
  r.hdivisions = 0;
  r.vdivisions = 5000;
  r.widthfactor = 0;
  r.heightfactor = 0;
  r.timediv = "";
  r.fields.Add();
  std::string bytes = "garbage\r\n\n\n01/01/25,00:00:00.00,1\r\n";
  ChartMemory memory(1 << 16);
  ASSERT_TRUE(memory.Assign(bytes));
  State().writepos = static_cast<int>(bytes.size());
  Draw(&memory);
  m_view.SetFontFactor(2);
  r.widthfactor = 36;
  r.heightfactor = 8.2;
  Draw(&memory);
  EXPECT_EQ(State().redrawtraces, 0);
}

}  // namespace
}  // namespace korvix
