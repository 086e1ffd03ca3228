#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/run_loop_ui.h"

namespace korvix::testing {
namespace {

// One Chart Recorder of one field on the first page of a shown window.
class RunLoopChartPaint : public ::testing::Test {
protected:
  RunLoopChartPaint() {
    ChartRecorderRecord& r = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
    r.x = 10;
    r.y = 10;
    r.fields[r.fields.Add()].label = "T";
    doc.m_pages[1].objectcount = 1;
  }

  void Show() {
    ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
    frame.resize(1000, 700);
    frame.show();
    QCoreApplication::processEvents();
  }

  MemoryProfile profile;
  RecordingMessageSink sink;
  CKorvixDoc doc;
  CMainFrame frame{profile};
  std::unique_ptr<CRunLoopUi> ui;
};

// A message box opened inside a paint would run an event loop in the middle
// of it; what a paint finds wrong waits until the paint is over.
TEST_F(RunLoopChartPaint, AMemoryFaultFoundWhilePaintingShowsAfterThePaintAndOnce) {
  Show();

  const std::string record = "01/01/25,00:00:01.00,5\r\n";
  ASSERT_TRUE(ui->Runtime().Charts().Memory(0).Assign(record));
  ChartRecorderRunState& books = ui->Page().m_runstates.ChartRecorders()[0];
  books.writepos = static_cast<int>(record.size());
  books.oldestrec = books.writepos + 100;  // past the end of the samples
  frame.View()->viewport()->repaint();
  EXPECT_TRUE(sink.shown.empty());
  QCoreApplication::processEvents();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Memory Access Error");
  EXPECT_EQ(sink.shown[0].text, "Error in CR_DrawData routine.");

  frame.View()->viewport()->repaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(sink.shown.size(), 1u);
}

// The kept image of a trace area is updated column by column only in a
// paint made of nothing but the Run-Loop's own invalidations; any paint the
// window system asks for as well draws the area afresh. An old sample
// changed in place, as no writer does, shows which of the two a paint did:
// the update leaves its column as it was drawn.
TEST_F(RunLoopChartPaint, OnlyAPaintOfTheRunLoopsOwnInvalidationsUpdatesTheKeptTraceArea) {
  ChartRecorderRecord& r = doc.m_chartrecorders[0];
  r.windowdate = "01/01/25";
  r.windowtime = "00:01:00.00";
  r.timediv = "10.0";
  Show();
  // A window just shown asks for a paint of its own a turn of the event
  // loop after its first; it would join the paints below.
  QCoreApplication::processEvents();

  const std::string samples = "01/01/25,00:00:30.00,0005\r\n01/01/25,00:00:40.00,0005\r\n01/01/25,00:00:50.00,0005\r\n";
  ChartMemory& memory = ui->Runtime().Charts().Memory(0);
  ASSERT_TRUE(memory.Assign(samples));
  ChartRecorderRunState& state = ui->Page().m_runstates.ChartRecorders()[0];
  state.writepos = static_cast<int>(samples.size());
  const auto setfirstvalue = [&](const char* value) {
    memory.Seek(samples.find("0005"));
    for (const char* c = value; *c != 0; ++c) ASSERT_TRUE(memory.Put(*c));
  };
  const auto firsty = [&] {
    const std::vector<Point>& drawn = state.traces.drawntraces[0];
    return drawn.empty() ? -1 : drawn[0].y;
  };
  QWidget* viewport = frame.View()->viewport();
  setfirstvalue("0035");
  viewport->repaint();
  const int changed = firsty();
  setfirstvalue("0005");
  viewport->repaint();
  const int kept = firsty();
  ASSERT_NE(kept, -1);
  ASSERT_NE(changed, kept);

  struct Case {
    const char* name;
    std::function<void()> alongside;  // what else asks for the paint
    bool updated;
  };
  const Case cases[] = {
      {"the Run-Loop's invalidation alone", [] {}, true},
      {"an expose elsewhere", [&] { viewport->update(900, 600, 20, 20); }, false},
      {"an expose of the window", [&] { viewport->update(); }, false},
      {"a resize", [&] { frame.resize(1010, 700); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setfirstvalue("0005");
    viewport->repaint();
    ASSERT_EQ(firsty(), kept);
    setfirstvalue("0035");
    // A follow or a new sample: the traces are to be updated.
    state.redrawtraces = 1;
    ui->Runtime().InvalidateRect(state.plotrect);
    c.alongside();
    QCoreApplication::processEvents();
    EXPECT_EQ(state.redrawtraces, 0);
    EXPECT_EQ(firsty(), c.updated ? kept : changed);
  }
  EXPECT_TRUE(sink.shown.empty());
}

}  // namespace
}  // namespace korvix::testing
