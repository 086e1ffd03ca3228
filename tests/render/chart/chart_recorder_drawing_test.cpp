#include <gtest/gtest.h>

#include <algorithm>
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
