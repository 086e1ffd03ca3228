#include <gtest/gtest.h>

#include <QCoreApplication>
#include <memory>
#include <string>

#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/run_loop_ui.h"

namespace korvix::testing {
namespace {

// A message box opened inside a paint would run an event loop in the middle
// of it; what a paint finds wrong waits until the paint is over.
TEST(RunLoopChartPaint, AMemoryFaultFoundWhilePaintingShowsAfterThePaintAndOnce) {
  MemoryProfile profile;
  RecordingMessageSink sink;
  CKorvixDoc doc;
  CMainFrame frame(profile);
  ChartRecorderRecord& r = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
  r.x = 10;
  r.y = 10;
  r.fields[r.fields.Add()].label = "T";
  doc.m_pages[1].objectcount = 1;
  auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
  frame.resize(1000, 700);
  frame.show();
  QCoreApplication::processEvents();

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

}  // namespace
}  // namespace korvix::testing
