#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <string>
#include <thread>

#include "comms/port_map.h"
#include "daqsim/simulator.h"
#include "document/korvix_doc.h"
#include "operator_sink.h"
#include "platform/profile.h"
#include "ui/korvix_view.h"
#include "ui/main_frame.h"
#include "ui/run_loop_ui.h"

namespace korvix::testing {
namespace {

constexpr int kBoxOpenMs = 1000;
constexpr int kLimitMs = 30000;

struct LinkMessageCase {
  const char* name;
  const char* bank;
  bool unplug;        // the adapter goes away while the run polls
  const char* says;   // a part of the message's text
  bool runsunderbox;  // the run goes on under the box, else it has ended
};

// A message of the COM link never holds the pass: a failure has ended the
// run, as it must, by the time its box shows, and a module that keeps
// colliding is told once while the polling goes on under the box.
TEST(RunLoopLinkMessages, TheBoxNeverHoldsThePass) {
  const LinkMessageCase cases[] = {
      {"unplugged", "module A delay 2\n  RD counter 0 99999\n", true, "COM1 could not be accessed", false},
      {"a talker", "module A-B delay 2\n  RD counter 0 99999\nmodule P delay 2\n  RD constant 1\n  fault talk\n", false,
       "because module P keeps talking over its commands", true},
  };
  for (const LinkMessageCase& c : cases) {
    SCOPED_TRACE(c.name);
    daqsim::ConfigResult parsed = daqsim::ParseConfig(c.bank);
    ASSERT_TRUE(parsed.config) << parsed.error;
    auto simulator = std::make_unique<daqsim::Simulator>(*parsed.config);
    std::string error;
    ASSERT_TRUE(simulator->Open(error)) << error;
    std::thread wire([&] { simulator->Run(); });
    const auto unplug = [&] {
      if (!simulator) return;
      simulator->Stop();
      wire.join();
      simulator.reset();
    };

    MemoryProfile profile;
    MapComPort(profile, 0, simulator->DevicePath());
    OperatorSink sink(kBoxOpenMs);
    CKorvixDoc doc;
    CMainFrame frame(profile);
    for (const char* command : {"ARD", "BRD"}) {
      DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
      datawindow.idlabel = std::string("Counter") + command[0];
      datawindow.pollcommand = command;
    }
    doc.m_autostartrunloop = 1;
    auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
    ui->Runtime().SelectComPort(0);
    sink.runtime = &ui->Runtime();
    int ended = 0;
    ui->Pump().SetEnder([&ended] { ++ended; });
    frame.show();
    frame.View()->OnInitialUpdate();

    QElapsedTimer limit;
    limit.start();
    QTimer check;
    QEventLoop waiting;
    bool halting = false;
    QObject::connect(&check, &QTimer::timeout, [&] {
      if (c.unplug && ui->Runtime().PollCount() > 3) unplug();
      if (!halting && sink.passesafter > 0) {
        halting = true;
        if (ui->Runtime().IsRunning()) QTimer::singleShot(0, &frame, [&] { ui->OnRunLoopHalt(); });
      }
      if ((halting && !ui->Runtime().IsRunning()) || limit.elapsed() > kLimitMs) waiting.quit();
    });
    check.start(20);
    waiting.exec();
    check.stop();
    if (ui->Runtime().IsRunning()) ui->OnRunLoopHalt();
    unplug();

    ASSERT_EQ(sink.texts.size(), 1u);
    EXPECT_EQ(sink.captions[0].rfind("Communications Error", 0), 0u) << sink.captions[0];
    EXPECT_NE(sink.texts[0].find(c.says), std::string::npos) << sink.texts[0];
    EXPECT_EQ(sink.runningatbox, c.runsunderbox);
    EXPECT_EQ(sink.portatbox, c.runsunderbox ? 0 : -1);
    if (c.runsunderbox) {
      EXPECT_GT(sink.passesafter, sink.passesbefore + 10);
    }
    EXPECT_EQ(ended, 0);
  }
}

// A module that streams without ever ending its line: the window keeps its
// turns while the stream is read, and once the stream has run for the
// saturation time the run ends and the box says why.
TEST(RunLoopLinkMessages, AStreamLeavesTheWindowItsTurnsUntilItsMessage) {
  daqsim::ConfigResult parsed = daqsim::ParseConfig("module A delay 2\n  RD constant 1\n  fault stream\n");
  ASSERT_TRUE(parsed.config) << parsed.error;
  daqsim::Simulator simulator(*parsed.config);
  std::string error;
  ASSERT_TRUE(simulator.Open(error)) << error;
  std::thread wire([&] { simulator.Run(); });

  MemoryProfile profile;
  MapComPort(profile, 0, simulator.DevicePath());
  OperatorSink sink(kBoxOpenMs);
  CKorvixDoc doc;
  CMainFrame frame(profile);
  DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
  datawindow.idlabel = "Streaming";
  datawindow.pollcommand = "ARD";
  doc.m_autostartrunloop = 1;
  auto ui = std::make_unique<CRunLoopUi>(frame, doc, profile, sink);
  ui->Runtime().SelectComPort(0);
  sink.runtime = &ui->Runtime();
  int ended = 0;
  ui->Pump().SetEnder([&ended] { ++ended; });
  frame.show();
  frame.View()->OnInitialUpdate();

  // The first poll sets the module streaming; from then on until the box,
  // every turn the window gets lets this timer tick once.
  int turns = 0;
  QTimer turn;
  QObject::connect(&turn, &QTimer::timeout, [&] {
    if (ui->Runtime().IsRunning() && ui->Runtime().PollCount() > 0 && sink.texts.empty()) ++turns;
  });
  turn.start(1);
  QElapsedTimer limit;
  limit.start();
  QTimer check;
  QEventLoop waiting;
  QObject::connect(&check, &QTimer::timeout, [&] {
    if ((!sink.texts.empty() && !ui->Runtime().IsRunning()) || limit.elapsed() > kLimitMs) waiting.quit();
  });
  check.start(20);
  waiting.exec();
  check.stop();
  turn.stop();
  if (ui->Runtime().IsRunning()) ui->OnRunLoopHalt();
  simulator.Stop();
  wire.join();

  ASSERT_EQ(sink.texts.size(), 1u);
  EXPECT_EQ(sink.captions[0], "Communications Error 201");
  EXPECT_EQ(sink.texts[0], "COM1 is being saturated by continuous streaming data.");
  EXPECT_FALSE(sink.runningatbox);
  EXPECT_EQ(sink.portatbox, -1);
  // Read a short turn at a time, the two seconds give the window many turns;
  // read in one go, they give it none.
  EXPECT_GE(turns, 10);
  EXPECT_EQ(ended, 0);
}

}  // namespace
}  // namespace korvix::testing
