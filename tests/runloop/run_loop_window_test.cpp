#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QImage>
#include <QTimer>
#include <memory>
#include <string>
#include <thread>

#include "app/command_ids.h"
#include "comms/port_map.h"
#include "daqsim/simulator.h"
#include "document/korvix_doc.h"
#include "editor/object_rects.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/run_loop_ui.h"

namespace korvix::testing {
namespace {

QImage Grab(CKorvixView& view, const Rect& rect) {
  return view.viewport()->grab(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top)).toImage();
}

TEST(RunLoopWindow, AProjectSetToStartByItselfShowsTheModulesValueInTheWindow) {
  daqsim::ConfigResult parsed = daqsim::ParseConfig("module A\n  T constant 23.5\n");
  ASSERT_TRUE(parsed.config) << parsed.error;
  daqsim::Simulator simulator(*parsed.config);
  std::string error;
  ASSERT_TRUE(simulator.Open(error)) << error;
  std::thread wire([&] { simulator.Run(); });

  MemoryProfile profile;
  MapComPort(profile, 0, simulator.DevicePath());
  RecordingMessageSink sink;
  CKorvixDoc doc;
  CMainFrame frame(profile);
  DataWindowRecord& window = doc.m_datawindows[doc.m_datawindows.Add()];
  window.idlabel = "Temperature";
  window.pollcommand = "AT";
  window.x = 20;
  window.y = 20;
  doc.m_pages[1].objectcount = 1;
  doc.m_autostartrunloop = 1;
  doc.m_replytimeout = 100;
  auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
  int ended = 0;
  ui->Pump().SetEnder([&ended] { ++ended; });
  frame.resize(640, 480);
  frame.show();

  frame.View()->OnInitialUpdate();  // opens COM1 and posts the start
  EXPECT_EQ(ui->Runtime().SelectedComPort(), 0);

  const Rect rect = ObjectRects(doc, frame.View()->State(), ui->Page().m_runstates).Of(ScreenObjectKind::DataWindow, 0);
  QImage live;
  bool arrived = false;
  bool startdisabled = false;
  QEventLoop waiting;
  QElapsedTimer limit;
  limit.start();
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (!ui->Runtime().IsRunning()) return;
    if (doc.m_datawindows[0].valuetext == "23.5" || limit.elapsed() > 20000) {
      arrived = doc.m_datawindows[0].valuetext == "23.5";
      live = Grab(*frame.View(), rect);
      startdisabled = !frame.CommandAction(ID_RUNLOOP_START)->isEnabled();
      frame.CommandAction(ID_RUNLOOP_HALT)->trigger();
    }
  });
  check.start(20);
  QObject::connect(&check, &QTimer::timeout, &waiting, [&] {
    // A Run-Loop that never starts must fail the test, not hang it.
    if ((!live.isNull() && !ui->Runtime().IsRunning()) || limit.elapsed() > 30000) waiting.quit();
  });
  waiting.exec();
  check.stop();

  EXPECT_TRUE(arrived);
  EXPECT_TRUE(startdisabled);
  EXPECT_EQ(ended, 0);
  EXPECT_TRUE(sink.shown.empty());
  // The halt empties the window again; what it showed while running was the
  // value.
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "");
  QCoreApplication::processEvents();
  EXPECT_NE(Grab(*frame.View(), rect), live);

  simulator.Stop();
  wire.join();
}

}  // namespace
}  // namespace korvix::testing
