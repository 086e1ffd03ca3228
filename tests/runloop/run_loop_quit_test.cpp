#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <memory>
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

// A program of its own, and each test a program of its own as ctest runs
// them: once the event loops were left, Qt starts no other loop in this
// process. How long the program took to end after the quit is recorded as
// the test's "quit_ms" property.
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
  CKorvixDoc doc;
  CMainFrame frame(profile);
  doc.m_autostartrunloop = 1;
  auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
  int ended = 0;
  QElapsedTimer sincequit;
  ui->Pump().SetEnder([&] {
    ++ended;
    ::testing::Test::RecordProperty("quit_ms", static_cast<int>(sincequit.elapsed()));
  });
  frame.View()->OnInitialUpdate();

  QEventLoop waiting;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (ui->Runtime().IsRunning() && ui->Runtime().PassCount() > 3 && !sincequit.isValid()) {
      sincequit.start();
      QCoreApplication::exit(0);
    }
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

// The same quit while a window the user opened runs its own loop inside the
// run's dispatch and the run goes on there.
TEST(RunLoopQuit, LeavingTheEventLoopsFromAWindowOpenedDuringARunEndsTheProgram) {
  daqsim::ConfigResult parsed = daqsim::ParseConfig("module A\n  T constant 1\n");
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
  window.idlabel = "Reading";
  window.pollcommand = "AT";
  doc.m_autostartrunloop = 1;
  auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
  int ended = 0;
  QElapsedTimer sincequit;
  ui->Pump().SetEnder([&] {
    ++ended;
    ::testing::Test::RecordProperty("quit_ms", static_cast<int>(sincequit.elapsed()));
  });
  frame.View()->OnInitialUpdate();

  uint64_t passesatopen = 0;
  uint64_t passesatquit = 0;
  bool opened = false;
  QEventLoop waiting;
  QTimer check;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if (opened || !ui->Runtime().IsRunning() || ui->Runtime().PassCount() <= 3) return;
    opened = true;
    QMessageBox box(QMessageBox::Information, "Reading", "Open while the plant runs.", QMessageBox::Ok, &frame);
    QTimer inbox;
    QObject::connect(&inbox, &QTimer::timeout, [&] {
      if (ui->Runtime().PassCount() < passesatopen + 3 || sincequit.isValid()) return;
      passesatquit = ui->Runtime().PassCount();
      sincequit.start();
      QCoreApplication::exit(0);
    });
    inbox.start(20);
    passesatopen = ui->Runtime().PassCount();
    box.exec();
  });
  check.start(20);
  QTimer::singleShot(20000, &waiting, [&] { ui->OnRunLoopHalt(); });
  waiting.exec();
  check.stop();

  EXPECT_TRUE(opened);
  EXPECT_GE(passesatquit, passesatopen + 3);
  EXPECT_EQ(ended, 1);
  EXPECT_FALSE(ui->Runtime().IsRunning());

  simulator.Stop();
  wire.join();
}

}  // namespace
}  // namespace korvix::testing
