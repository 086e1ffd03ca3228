#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <ostream>
#include <string>
#include <vector>

#include "runloop_fixture.h"

namespace korvix::testing {
namespace {

using PollLoop = RunLoopOnSimulator;

TEST_F(PollLoop, ValuesArriveInDataWindowsAndGaugesInThePollOrder) {
  StartSimulator(
      "module A\n  T constant 11\nmodule B\n  T constant 22\nmodule C\n  T constant 33\n"
      "module D\n  T constant 44\n");
  // Added against the poll order, which goes by kind and not by address.
  DialGaugeRecord& dial = doc.m_dialgauges[doc.m_dialgauges.Add()];
  dial.idlabel = "Dial";
  dial.pollcommand = "AT";
  dial.multiplier = "1";
  LevelGaugeRecord& level = doc.m_levelgauges[doc.m_levelgauges.Add()];
  level.idlabel = "Level";
  level.pollcommand = "BT";
  level.multiplier = "1";
  for (const char* command : {"CT", "DT"}) {
    DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
    datawindow.idlabel = std::string("Window") + command[0];
    datawindow.pollcommand = command;
    datawindow.multiplier = "1";
  }
  Open();

  std::vector<std::string> arrived;
  const auto note = [&](const std::string& name, const std::string& value, const std::string& wanted) {
    if (value == wanted && std::find(arrived.begin(), arrived.end(), name) == arrived.end()) arrived.push_back(name);
  };
  ASSERT_TRUE(RunUntil([&] {
    note("WindowC", doc.m_datawindows[0].valuetext, "33");
    note("WindowD", doc.m_datawindows[1].valuetext, "44");
    note("Level", doc.m_levelgauges[0].valuetext, "22");
    note("Dial", doc.m_dialgauges[0].valuetext, "11");
    return arrived.size() == 4;
  }));
  EXPECT_EQ(arrived, (std::vector<std::string>{"WindowC", "WindowD", "Level", "Dial"}));
  EXPECT_EQ(wire.Written().substr(0, 12), "CT\rDT\rBT\rAT\r");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(PollLoop, AModuleThatNeverAnswersTurnsItsObjectsToErrorAfterTheRetries) {
  StartSimulator("module A\n  T constant 1\nmodule B\n  fault silent\n");
  DataWindowRecord& answering = doc.m_datawindows[doc.m_datawindows.Add()];
  answering.idlabel = "Answering";
  answering.pollcommand = "AT";
  DataWindowRecord& silent = doc.m_datawindows[doc.m_datawindows.Add()];
  silent.idlabel = "Silent";
  silent.pollcommand = "BT";
  MeterGaugeRecord& meter = doc.m_metergauges[doc.m_metergauges.Add()];
  meter.idlabel = "SilentMeter";
  meter.pollcommand = "BT";
  doc.m_pollretries = 2;
  Open();
  doc.m_replytimeout = 50;

  ASSERT_TRUE(
      RunUntil([&] { return doc.m_datawindows[1].valuetext == "Error" && doc.m_metergauges[0].valuetext == "Error"; }));
  EXPECT_NE(doc.m_datawindows[0].valuetext, "Error");
  // Each object asked again before it gave up.
  const std::string written = wire.Written();
  size_t asked = 0;
  for (size_t at = written.find("BT\r"); at != std::string::npos; at = written.find("BT\r", at + 1)) ++asked;
  EXPECT_GE(asked, 3u);
}

TEST_F(PollLoop, AResetNoticeSendsTheInitializationCommandsAgain) {
  StartSimulator("module A\n  T constant 5\n  fault reset\nmodule B\n  I constant ok\n");
  DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
  datawindow.idlabel = "Resetting";
  datawindow.pollcommand = "AT";
  doc.m_runinitsend = "BI\r\n";
  doc.m_retransmitonreset = 1;
  Open();

  ASSERT_TRUE(RunUntil([&] { return doc.m_datawindows[0].valuetext == "5"; }));
  const std::string written = wire.Written();
  const size_t first = written.find("BI\r");
  ASSERT_NE(first, std::string::npos);
  EXPECT_NE(written.find("BI\r", first + 1), std::string::npos) << written;
  EXPECT_LT(written.find("AT\r"), written.find("BI\r", first + 1));
}

struct ReplyWaitCase {
  int replytimeout;
  const char* name;
};

void PrintTo(const ReplyWaitCase& c, std::ostream* out) { *out << c.replytimeout << " ms"; }

class ReplyWait : public RunLoopOnSimulator, public ::testing::WithParamInterface<ReplyWaitCase> {};

// The poll of a silent module waits the reply wait, but never long past
// 100 ms, whatever the project sets.
TEST_P(ReplyWait, APollWaitsAtMostAHundredMilliseconds) {
  StartSimulator("module A-E\n  fault silent\n");
  for (const char* command : {"AT", "BT", "CT", "DT", "ET"}) {
    DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
    datawindow.idlabel = std::string("Silent") + command[0];
    datawindow.pollcommand = command;
  }
  Open();
  doc.m_replytimeout = GetParam().replytimeout;

  // Each module is asked once; every poll after the first adds one wait.
  using Clock = std::chrono::steady_clock;
  Clock::time_point first{};
  Clock::time_point last{};
  ASSERT_TRUE(RunUntil([&] {
    if (runtime->PollCount() == 1 && first == Clock::time_point{}) first = Clock::now();
    if (runtime->PollCount() == 5) last = Clock::now();
    return runtime->PollCount() >= 5;
  }));
  const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(last - first).count();
  EXPECT_GE(waited, 4 * 100);
  // Far below even one full wait of 5000 ms; a loaded machine has room.
  EXPECT_LT(waited, 4000);
}

INSTANTIATE_TEST_SUITE_P(Waits, ReplyWait,
                         ::testing::Values(ReplyWaitCase{101, "JustOverTheLimit"},
                                           ReplyWaitCase{5000, "FarOverTheLimit"}),
                         [](const auto& test) { return std::string(test.param.name); });

// A module that talks whenever another is asked: the wait after each
// collision runs on while the pass goes back to the pump.
TEST_F(PollLoop, WhileATalkersCollisionSettlesThePassYieldsToThePump) {
  StartSimulator("module A-B delay 2\n  RD counter 0 99999\nmodule P delay 2\n  RD constant 1\n  fault talk\n");
  for (const char* command : {"ARD", "BRD"}) {
    DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
    datawindow.idlabel = std::string("Counter") + command[0];
    datawindow.pollcommand = command;
  }
  Open();
  // The line also counts as settling while a poll awaits its answer, so
  // the pumps are counted only once a collision has been cancelled.
  int pumpswhilesettling = 0;
  ASSERT_TRUE(RunUntil([&] {
    const bool collided = wire.Written().find('*') != std::string::npos;
    if (collided && runtime->Link().LineSettling()) ++pumpswhilesettling;
    return pumpswhilesettling >= 3;
  }));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(PollLoop, WithOnlyComputedObjectsNothingIsSentAndThePollTimeStays) {
  StartSimulator("module A\n  T constant 1\n");
  VariableRecord& source = doc.m_variables[doc.m_variables.Add()];
  source.idlabel = "Source";
  source.valuetext = "21";
  source.resetonrun = 0;
  DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
  datawindow.idlabel = "Twice";
  datawindow.formula = "{Source}*2";
  datawindow.multiplier = "1";
  Open();

  uint32_t firstpoll = 0;
  std::string computed;
  ASSERT_TRUE(RunUntil([&] {
    if (runtime->PassCount() == 1) firstpoll = runtime->LastPollTime();
    computed = doc.m_datawindows[0].valuetext;
    return runtime->PassCount() >= 50;
  }));
  EXPECT_EQ(runtime->PollCount(), 0u);
  EXPECT_EQ(runtime->LastPollTime(), firstpoll);
  EXPECT_EQ(wire.Written(), "");
  EXPECT_EQ(computed, "42");
}

TEST_F(PollLoop, WithNoPolledObjectsNothingIsSent) {
  StartSimulator("module A\n  T constant 1\n");
  Open();
  ASSERT_TRUE(RunUntil([&] { return runtime->PassCount() >= 50; }));
  EXPECT_EQ(runtime->PollCount(), 0u);
  EXPECT_EQ(wire.Written(), "");
}

}  // namespace
}  // namespace korvix::testing
