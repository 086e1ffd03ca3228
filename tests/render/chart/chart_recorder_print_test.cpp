#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/testing/recording_message_sink.h"
#include "render/chart/chart_recorder_print.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;

constexpr PrintPageMetrics kPage{4800, 6400, 600, 600};

bool IsGrey(Colour c) { return RedOf(c) == GreenOf(c) && GreenOf(c) == BlueOf(c); }

class ChartRecorderPrintTest : public ::testing::Test {
protected:
  ChartRecorderPrintTest() {
    m_index = m_doc.m_chartrecorders.Add();
    ChartRecorderRecord& r = Recorder();
    r.sizecode = 16;  // a 9 x 25 cell
    r.windowdate = "01/01/25";
    r.windowtime = "00:00:02.00";
    r.timediv = "1.0";
    for (const char* label : {"Flow", "Level"}) {
      ChartRecorderField field;
      field.label = label;
      field.order = r.fields.Count();
      field.colour = Rgb(0, 255, 0);
      r.fields.Add(field);
    }
  }

  ChartRecorderRecord& Recorder() { return m_doc.m_chartrecorders[m_index]; }
  ChartRecorderRunState& State() { return m_states.ChartRecorders()[m_index]; }

  void Record(const std::string& bytes) {
    ASSERT_TRUE(m_memory.Assign(bytes));
    State().writepos = static_cast<int>(bytes.size());
  }

  ChartRecorderPrint Print(const PrintPageMetrics& page = kPage) {
    ChartRecorderPrint document(m_doc, m_view, m_states, m_index, &m_memory, m_sink);
    EXPECT_TRUE(document.BeginPrinting(page));
    EXPECT_TRUE(document.PreparePage(1));
    EXPECT_FALSE(document.PreparePage(2));
    document.PrintPage(m_dc, 1);
    return document;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const auto& call : m_dc.Only(Op::DrawText)) texts.push_back(call.text);
    return texts;
  }

  CKorvixDoc m_doc;
  ViewState m_view;
  ObjectRunStates m_states;
  ChartMemory m_memory{1 << 20};
  RecordingMessageSink m_sink;
  RecordingDeviceContext m_dc;
  int m_index = 0;
};

TEST_F(ChartRecorderPrintTest, TheLargestWholeEnlargementThatFitsIsCentredOnThePage) {
  struct Case {
    const char* name;
    double widthfactor;
    double heightfactor;
    PrintPageMetrics page;
    int scale;
    Rect printed;
  };
  const Case cases[] = {
      {"width bound, 400 x 200", 44.45, 8.0, kPage, 12, {0, 2000, 4800, 4400}},
      {"height bound, 200 x 400", 22.23, 16.0, kPage, 16, {800, 0, 4000, 6400}},
      {"larger than the page", 44.45, 8.0, {300, 100, 72, 72}, 1, {-50, -50, 350, 150}},
  };
  for (const Case& c : cases) {
    Recorder().widthfactor = c.widthfactor;
    Recorder().heightfactor = c.heightfactor;
    ChartRecorderPrint document(m_doc, m_view, m_states, m_index, &m_memory, m_sink);
    ASSERT_TRUE(document.BeginPrinting(c.page)) << c.name;
    EXPECT_EQ(document.Scale(), c.scale) << c.name;
    EXPECT_EQ(document.PrintedRect(), c.printed) << c.name;
  }
}

TEST_F(ChartRecorderPrintTest, ThePageIsInGreysWithThickBlackTracesAndNoButtonsArrowsOrCaptions) {
  Record("01/01/25,00:00:01.00,1,2\r\n01/01/25,00:00:02.00,3,4\r\n01/01/25,00:00:03.00,5,6\r\n");
  Print();
  const std::vector<std::string> texts = Texts();
  for (const char* shown : {"01/01/25", "00:00:02.00", "1.0 Sec/Div", "Flow", "Level", "Unit/Div", "Position"})
    EXPECT_NE(std::find(texts.begin(), texts.end(), shown), texts.end()) << shown;
  for (const char* button : {"Print", "None", "Time", "Units", "-", "+", "Cursor Mode", "Time/Div"})
    EXPECT_EQ(std::find(texts.begin(), texts.end(), button), texts.end()) << button;

  const std::vector<RecordingDeviceContext::Call> traces = m_dc.Only(Op::Polyline);
  ASSERT_EQ(traces.size(), 2u);
  for (const auto& trace : traces) EXPECT_EQ(trace.pen, (Pen{PenStyle::Solid, 5, Grey(0)}));
  for (const auto& call : m_dc.calls) {
    const bool grey =
        IsGrey(call.pen.colour) && IsGrey(call.brush.colour) && IsGrey(call.textcolour) && IsGrey(call.colour);
    EXPECT_TRUE(grey) << "call " << static_cast<int>(call.op) << " at " << call.rect.left << "," << call.rect.top;
  }
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(ChartRecorderPrintTest, MemoryBooksThatDoNotFitTheSamplesAreReportedOnceAndThePagePrintsWithoutTraces) {
  const std::string first = "01/01/25,00:00:01.00,1,2\r\n";
  const std::string second = "01/01/25,00:00:02.00,3,4\r\n";
  struct Case {
    const char* books;
    int oldestrec;
    const char* message;
  };
  const Case cases[] = {
      {"the oldest record past the end", 1000, "Error in PrintChartRec routine."},
      {"a walk back before the start", static_cast<int>(first.size()), "Illegal Operation in MemorySeekRev routine."},
  };
  Recorder().windowtime = "00:00:00.00";
  for (const Case& c : cases) {
    m_sink.shown.clear();
    m_dc = RecordingDeviceContext();
    Record(first + second);
    State().oldestrec = c.oldestrec;
    Print();
    ASSERT_EQ(m_sink.shown.size(), 1u) << c.books;
    EXPECT_EQ(m_sink.shown[0].caption, "Memory Access Error") << c.books;
    EXPECT_EQ(m_sink.shown[0].text, c.message) << c.books;
    EXPECT_EQ(m_dc.Count(Op::Polyline), 0u) << c.books;
    EXPECT_GT(m_dc.Count(Op::DrawText), 0u) << c.books;
  }
}

}  // namespace
}  // namespace korvix
