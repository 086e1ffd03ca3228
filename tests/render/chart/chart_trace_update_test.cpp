#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "fake_labels.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "qtdraw/qt_device_context.h"
#include "recording/chart_memories.h"
#include "recording/time_stamps.h"
#include "render/chart/chart_recorder_drawing.h"
#include "render/chart/chart_steps.h"
#include "render/chart/chart_texts.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

// A recorder sampling three labels into a memory that wraps after 20 s,
// shown on a screen that keeps its trace area between paints, and the same
// recorder painted afresh for comparison.
class ChartTraceUpdateTest : public ::testing::Test {
protected:
  ChartTraceUpdateTest() {
    m_wall.now.year = 2025;
    const int index = m_doc.m_chartrecorders.Add();
    ChartRecorderRecord& r = Recorder();
    r.x = 2;
    r.y = 2;
    r.timediv = "1.0";
    r.span = 20;
    r.spanunit = 0;
    r.cursornone = 0;
    r.cursortime = 1;
    r.cursor1 = "3.50";
    r.cursor2 = "6.50";
    r.delta = "3.00";
    const int colours[] = {Rgb(255, 0, 0), Rgb(0, 255, 0), Rgb(255, 255, 255)};
    for (int f = 0; f < 3; ++f) {
      ChartRecorderField field;
      field.label = "L" + std::to_string(f);
      field.order = f;
      field.colour = colours[f];
      field.unitdiv = "10";
      field.position = "4.00";
      r.fields.Add(field);
    }
    m_memories.StartChartRecorder(index, 0);
  }

  ChartRecorderRecord& Recorder() { return m_doc.m_chartrecorders[0]; }
  ChartRecorderRunState& State() { return m_screenstates.ChartRecorders()[0]; }
  ChartTraceLayer& Layer() { return State().traces; }

  // Lets time pass and writes one sample of fresh values.
  void Append(int ms) {
    m_ms += ms;
    const StampTexts stamp = MsToStamp(StampToMs("01/01/25", "00:00:00.00") + m_ms);
    m_wall.now.hour = std::stoi(stamp.time.substr(0, 2));
    m_wall.now.minute = std::stoi(stamp.time.substr(3, 2));
    m_wall.now.second = std::stoi(stamp.time.substr(6, 2));
    m_wall.now.millisecond = static_cast<int>(m_ms % 1000);
    m_ticks.now = static_cast<uint32_t>(m_ms);
    // Now and then a field reads no number, which plots at its position.
    for (int f = 0; f < 3; ++f)
      m_labels.values["L" + std::to_string(f)] = m_random() % 16 == 0 ? "N/A" : std::to_string(m_random() % 120 - 60);
    m_memories.ChartWrite(0);
  }

  QImage Paint(ObjectRunStates& states) {
    const Rect obj = m_geometry.ObjectRectChartRecorder(0);
    QImage image(obj.right + 2, obj.bottom + 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QtDeviceContext dc(image);
    DrawingContext context{dc, m_doc, m_view, m_objects, states};
    DrawChartRecorder(context, m_geometry, 0, obj, &m_memories.Memory(0), m_traces, &m_sink);
    return image;
  }

  // What the screen shows after an update, and what a paint from nothing
  // shows of the same recorder.
  void ExpectUpdateEqualsFullPaint(const std::string& step) {
    State().redrawtraces = 1;
    const QImage updated = Paint(m_screenstates);
    ObjectRunStates fresh;
    static_cast<ChartMemoryBooks&>(fresh.ChartRecorders()[0]) = State();
    const QImage full = Paint(fresh);
    ASSERT_EQ(updated, full) << step;
  }

  CKorvixDoc m_doc;
  FakeLabels m_labels;
  FakeWallClock m_wall;
  FakeMillisecondClock m_ticks;
  RunClock m_clock{m_wall, m_ticks};
  RecordingMessageSink m_sink;
  ViewState m_view;
  ObjectRunStates m_screenstates;
  ChartMemories m_memories{m_doc, m_screenstates, m_labels, m_clock, m_sink};
  ObjectGeometry m_objects{m_doc, m_view, m_screenstates};
  ChartRecorderGeometry m_geometry{m_doc, m_view, m_screenstates};
  ChartTraces m_traces;
  std::mt19937 m_random{25};
  int64_t m_ms = 0;
};

TEST_F(ChartTraceUpdateTest, AnUpdateAfterAnyChangeLeavesWhatAFullPaintWould) {
  ChartRecorderRecord& r = Recorder();
  const Rect plot = m_geometry.ChartPlotRect(0);
  for (int i = 0; i < 30; ++i) Append(100 + static_cast<int>(m_random() % 400));
  Paint(m_screenstates);
  const OffscreenPicture* kept = Layer().pixels.get();
  ASSERT_NE(kept, nullptr);

  double holdspeed = 1;
  const auto stepWindow = [&](int sign) {
    const int64_t moved = StampToMs(r.windowdate, r.windowtime) + sign * ChartPlotTimeSpan(r, plot) * 20;
    const StampTexts stamp = MsToStamp(moved);
    r.windowdate = stamp.date;
    r.windowtime = stamp.time;
  };
  const auto moveCursor = [&](std::string& cursor) {
    const int hundredths = static_cast<int>(HundredthsOf(cursor)) + static_cast<int>(m_random() % 301) - 150;
    cursor = FormatNumberText(std::clamp(hundredths, 0, r.hdivisions * 100), 2);
    // The Delta readout moves as its text narrows and widens.
    r.delta = FormatNumberText(static_cast<int>(HundredthsOf(r.cursor2) - HundredthsOf(r.cursor1)), 2);
  };
  for (int step = 0; step < 120; ++step) {
    std::string what;
    switch (m_random() % 6) {
      case 0:
        what = "appended";
        // Samples 10 ms apart share a column; the others start new ones.
        for (int n = static_cast<int>(m_random() % 5); n >= 0; --n)
          Append(m_random() % 3 == 0 ? 10 : 50 + static_cast<int>(m_random() % 900));
        break;
      case 1:
        what = "followed";
        Append(200);
        r.windowdate = r.lastdate;
        r.windowtime = r.lasttime;
        break;
      case 2:
        what = "held a step";
        stepWindow(m_random() % 2 == 0 ? 1 : -1);
        break;
      case 3: {
        what = "stepped a scale";
        ChartRecorderField& field = r.fields[static_cast<int>(m_random() % 3)];
        field.unitdiv = StepDivisionValue(field.unitdiv, m_random() % 2 == 0 ? 1 : -1, holdspeed);
        field.position = FormatNumberText(static_cast<int>(HundredthsOf(field.position)) + 17, 2);
        break;
      }
      case 4:
        what = "stepped Time/Div";
        r.timediv = FormatNumberText(std::clamp(TimeDivTenths(r.timediv) + (m_random() % 2 == 0 ? 3 : -3), 1, 99), 1);
        break;
      default:
        what = "moved a cursor";
        moveCursor(m_random() % 2 == 0 ? r.cursor1 : r.cursor2);
        break;
    }
    ExpectUpdateEqualsFullPaint(what + " at step " + std::to_string(step));
    if (HasFatalFailure()) return;
  }
  // Every paint above was an update of the same kept pixels.
  EXPECT_EQ(Layer().pixels.get(), kept);
  EXPECT_TRUE(m_sink.shown.empty());
}

// Changes that overdrawing the old traces alone would leave traces of.
TEST_F(ChartTraceUpdateTest, ReadoutsModesAndGridsThatChangeLeaveWhatAFullPaintWould) {
  ChartRecorderRecord& r = Recorder();
  for (int i = 0; i < 20; ++i) Append(300);
  Paint(m_screenstates);
  struct Change {
    const char* what;
    void (*apply)(ChartRecorderRecord&);
  };
  const Change changes[] = {
      {"readouts widened", [](ChartRecorderRecord& c) { c.cursor1 = "7.00", c.cursor2 = "10.00", c.delta = "-3.00"; }},
      {"readouts narrowed", [](ChartRecorderRecord& c) { c.cursor1 = "1.00", c.cursor2 = "2.00", c.delta = "1.00"; }},
      {"units cursors", [](ChartRecorderRecord& c) { c.cursortime = 0, c.cursorunits = 1; }},
      {"no cursors", [](ChartRecorderRecord& c) { c.cursorunits = 0, c.cursornone = 1; }},
      {"more divisions", [](ChartRecorderRecord& c) { c.hdivisions = 12, c.vdivisions = 6; }},
  };
  for (const Change& change : changes) {
    change.apply(r);
    ExpectUpdateEqualsFullPaint(change.what);
  }
}

TEST_F(ChartTraceUpdateTest, ADamagedMemoryIsReportedOnceAndDrawsNoTraces) {
  const std::string first = "01/01/25,00:00:01.00,1,2,3\r\n";
  const std::string second = "01/01/25,00:00:02.00,4,5,6\r\n";
  struct Case {
    const char* books;
    int oldestrec;
    int readmark;
    int writepos;
    const char* message;
  };
  const int both = static_cast<int>(first.size() + second.size());
  const Case cases[] = {
      {"the oldest record past the end", both + 10, 0, both, "Error in CR_DrawData routine."},
      {"a walk back before the start", static_cast<int>(first.size()), 0, both,
       "Illegal Operation in MemorySeekRev routine."},
  };
  ChartRecorderRecord& r = Recorder();
  r.windowtime = "00:00:00.00";
  for (const Case& c : cases) {
    m_sink.shown.clear();
    ASSERT_TRUE(m_memories.Memory(0).Assign(first + second));
    ChartRecorderRunState& books = State();
    books.wrapped = 0;
    books.oldestrec = c.oldestrec;
    books.readmark = c.readmark;
    books.writepos = c.writepos;
    Paint(m_screenstates);
    books.redrawtraces = 1;
    Paint(m_screenstates);
    ASSERT_EQ(m_sink.shown.size(), 1u) << c.books;
    EXPECT_EQ(m_sink.shown[0].caption, "Memory Access Error");
    EXPECT_EQ(m_sink.shown[0].text, c.message);
    EXPECT_EQ(m_sink.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_TRUE(std::all_of(Layer().drawntraces.begin(), Layer().drawntraces.end(), [](const std::vector<Point>& run) {
      return run.empty();
    })) << c.books;
    // Sound books are quiet again, and the next damage is reported anew.
    books.oldestrec = 0;
    books.readmark = 0;
    Paint(m_screenstates);
    EXPECT_EQ(m_sink.shown.size(), 1u) << c.books;
  }
}

}  // namespace
}  // namespace korvix
