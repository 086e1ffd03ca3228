#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>
#include <string>
#include <thread>

#include "comms/port_map.h"
#include "daqsim/simulator.h"
#include "document/korvix_doc.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/run_loop_ui.h"

// A program of its own: once the event loops were left, Qt starts no other
// loop in this process.
namespace korvix::testing {
namespace {

// The screenshot option and the window system end the program by leaving
// the event loops; a run notices that in its pump and ends the program.
TEST(RunLoopQuit, LeavingTheEventLoopsDuringARunEndsTheProgram) {
  daqsim::ConfigResult parsed = daqsim::ParseConfig("module A\n  T constant 1\n");
  ASSERT_TRUE(parsed.config) << parsed.error;
  daqsim::Simulator simulator(*parsed.config);
  std::string error;
  ASSERT_TRUE(simulator.Open(error)) << error;
  std::thread wire([&] { simulator.Run(); });

  MemoryProfile profile;
  MapComPort(profile, 0, simulator.DevicePath());
  RecordingMessageSink sink;
  CMainFrame frame(profile);
  CKorvixDoc doc;
  doc.m_autostartrunloop = 1;
  auto* ui = new CRunLoopUi(frame, doc, profile, sink);
  int ended = 0;
  ui->Pump().SetEnder([&ended] { ++ended; });
  frame.View()->OnInitialUpdate();

  QEventLoop waiting;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (ui->Runtime().IsRunning() && ui->Runtime().PassCount() > 3) QCoreApplication::exit(0);
  });
  check.start(20);
  QTimer::singleShot(20000, &waiting, [&] { ui->OnRunLoopHalt(); });
  waiting.exec();
  check.stop();

  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(ui->Runtime().IsRunning());

  simulator.Stop();
  wire.join();
}

}  // namespace
}  // namespace korvix::testing
