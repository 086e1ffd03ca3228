#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "runloop_fixture.h"
#include "scratch_folder.h"

namespace korvix::testing {
namespace {

using StartAndHalt = RunLoopOnSimulator;

size_t Occurrences(const std::string& text, const std::string& part) {
  size_t count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

TEST_F(StartAndHalt, InitializationAndHaltCommandsGoOutLineByLineInTheirOrder) {
  StartSimulator("module A-C\n  * constant ok\n");
  // The last line lacks its CR LF; it is still sent.
  doc.m_runinitsend = "AI1\r\n\r\nBSC\r\nCI3";
  doc.m_runexitsend = "AH\r\nBH\r\n";
  Open();

  ASSERT_TRUE(RunUntil([&] { return runtime->PassCount() >= 5; }));
  EXPECT_EQ(wire.Written(), "AI1\rBSC\rCI3\rAH\rBH\r");
  EXPECT_FALSE(runtime->IsRunning());
}

TEST_F(StartAndHalt, AHaltWhileStoppedResetsTheObjectsAndSendsNothing) {
  StartSimulator("module A\n  * constant ok\n");
  DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
  datawindow.valuetext = "12.5";
  SignalLampRecord& lamp = doc.m_signallamps[doc.m_signallamps.Add()];
  lamp.resetstate = 1;
  doc.m_chartrecorders.Add();
  doc.m_runexitsend = "AH\r\n";
  Open();
  datawindow.valuetext = "12.5";
  lamp.valuetext = "Off";
  runstates.ChartRecorders()[0].running = 1;
  runstates.ChartRecorders()[0].printpressed = 1;

  runtime->HaltRunLoop();
  EXPECT_EQ(doc.m_datawindows[0].valuetext, "");
  EXPECT_EQ(doc.m_signallamps[0].valuetext, "On");
  EXPECT_EQ(runstates.ChartRecorders()[0].running, 0);
  EXPECT_EQ(runstates.ChartRecorders()[0].printpressed, 0);
  EXPECT_EQ(wire.Written(), "");
}

TEST_F(StartAndHalt, ASecondStartWhileRunningDoesNothing) {
  StartSimulator("module A\n  * constant ok\n");
  doc.m_runinitsend = "AI\r\n";
  Open();

  int nested = 0;
  ASSERT_TRUE(RunUntil([&] {
    if (runtime->PassCount() == 3) {
      runtime->StartRunLoop();  // returns at once instead of running a loop inside the loop
      ++nested;
    }
    return runtime->PassCount() >= 6;
  }));
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(Occurrences(wire.Written(), "AI\r"), 1u);
}

TEST_F(StartAndHalt, StartValuesAreSetAndTheHaltKeepsTheChartSamples) {
  StartSimulator("module A\n  T constant 7\n");
  LevelGaugeRecord& level = doc.m_levelgauges[doc.m_levelgauges.Add()];
  level.idlabel = "Level";
  level.valuetext = "55";
  VariableRecord& keep = doc.m_variables[doc.m_variables.Add()];
  keep.idlabel = "Kept";
  keep.resetonrun = 0;
  keep.valuetext = "Error";
  VariableRecord& reset = doc.m_variables[doc.m_variables.Add()];
  reset.idlabel = "Reset";
  reset.valuetext = "9";
  ConditionalRecord& conditional = doc.m_conditionals[doc.m_conditionals.Add()];
  conditional.idlabel = "Watch";
  conditional.expression = "{Reset}>100";
  conditional.actionstarted = 1;
  DataWindowRecord& sampled = doc.m_datawindows[doc.m_datawindows.Add()];
  sampled.idlabel = "Sampled";
  sampled.pollcommand = "AT";
  sampled.multiplier = "1";
  ChartRecorderRecord& recorder = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
  recorder.fields.Add();
  recorder.fields[0].label = "Sampled";
  recorder.scanrate = 50;
  Open();

  ASSERT_TRUE(RunUntil([&] {
    EXPECT_EQ(doc.m_levelgauges[0].minseen, 2147483647);
    EXPECT_EQ(doc.m_levelgauges[0].maxseen, -2147483647);
    return runtime->Charts().Memory(0).Length() > 0 && doc.m_datawindows[0].valuetext == "7";
  }));
  EXPECT_EQ(doc.m_variables[0].valuetext, "0");
  EXPECT_EQ(doc.m_variables[1].valuetext, "0");
  EXPECT_EQ(doc.m_conditionals[0].armed, 1);
  EXPECT_EQ(runstates.ChartRecorders()[0].running, 0);
  EXPECT_GT(runtime->Charts().Memory(0).Length(), 0u);
}

TEST_F(StartAndHalt, ARecorderStartsShowingTheClockAndThenFollowsItsNewestSample) {
  StartSimulator("module A\n  T constant 7\n");
  VariableRecord& sampled = doc.m_variables[doc.m_variables.Add()];
  sampled.idlabel = "Sampled";
  sampled.valuetext = "3";
  ChartRecorderRecord& recorder = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
  recorder.fields.Add();
  recorder.fields[0].label = "Sampled";
  recorder.scanrate = 20;
  runstates.ChartRecorders()[0].windowheld = 1;
  Open();

  std::string started;
  ASSERT_TRUE(RunUntil([&] {
    const ChartRecorderRecord& r = doc.m_chartrecorders[0];
    if (started.empty()) started = r.windowtime;
    return r.starttime != r.lasttime && r.windowtime == r.lasttime;
  }));
  EXPECT_NE(started, "00:00:00.00");
  EXPECT_EQ(runstates.ChartRecorders()[0].windowheld, 0);
  EXPECT_EQ(doc.m_chartrecorders[0].windowdate, doc.m_chartrecorders[0].lastdate);
}

class ScratchLog {
public:
  ScratchLog() {
    std::string pattern = (std::filesystem::temp_directory_path() / "korvix-runloop-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_folder = pattern;
  }
  ~ScratchLog() {
    std::error_code ignored;
    std::filesystem::remove_all(m_folder, ignored);
  }
  std::string Path() const { return m_folder + "/DataLog.txt"; }
  size_t Lines() const {
    std::ifstream in(Path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return Occurrences(text.str(), "\r\n");
  }

private:
  std::string m_folder;
};

TEST_F(StartAndHalt, ADataLogIntervalShorterThanAPassWritesAtMostOneRecordEachPass) {
  StartSimulator("module A\n  fault silent\n");
  ScratchLog log;
  DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
  datawindow.idlabel = "Slow";
  datawindow.pollcommand = "AT";  // asked again and again, never answering
  datawindow.logcolumn = 0;
  doc.m_logfieldcount = 1;
  doc.m_datalogfile = log.Path();
  // Every pass waits 20 ms for messages.
  doc.m_reducedcpu = 1;
  doc.m_loginterval = "0.01";
  doc.m_logintervalunit = 0;
  doc.m_pollretries = 1000000;
  Open();

  const auto start = std::chrono::steady_clock::now();
  ASSERT_TRUE(RunUntil([&] { return runtime->PassCount() >= 8; }));
  const auto elapsed =
      std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count();
  const size_t records = log.Lines() - 1;  // after the header
  EXPECT_GE(records, 1u);
  EXPECT_LE(records, runtime->PassCount());
  // Missed intervals are skipped, not caught up.
  EXPECT_LT(records, static_cast<size_t>(elapsed / 10));
}

// An adapter unplugged during a run: the next start opens the port last
// chosen again, says which device and why while it is away, and polls once
// it is back under its name.
TEST_F(StartAndHalt, AStartAfterAnUnplugOpensTheLostPortAgain) {
  ScratchFolder folder;
  const std::string adapter = folder / "ttyUSB0";
  const auto plugin = [&] {
    StartSimulator("module A delay 2\n  RD counter 0 99999\n");
    std::filesystem::create_symlink(SimulatorDevice(), adapter);
    MapComPort(profile, 0, adapter);
  };
  plugin();
  DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
  datawindow.idlabel = "Counter";
  datawindow.pollcommand = "ARD";
  Open();

  bool unplugged = false;
  RunUntil([&] {
    if (!unplugged && runtime->PollCount() >= 3) {
      Unplug();
      std::filesystem::remove(adapter);
      unplugged = true;
    }
    return false;
  });
  ASSERT_TRUE(unplugged);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption.rfind("Communications Error", 0), 0u) << sink.shown[0].caption;
  EXPECT_EQ(runtime->SelectedComPort(), -1);

  sink.shown.clear();
  RunUntil([] { return false; });
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text,
            "COM port has not been selected.\rCannot open COM1 on " + adapter + ": No such file or directory.");
  EXPECT_FALSE(runtime->IsRunning());

  plugin();
  sink.shown.clear();
  const uint64_t polled = runtime->PollCount();
  EXPECT_TRUE(RunUntil([&] { return runtime->PollCount() >= polled + 3; }));
  EXPECT_EQ(runtime->SelectedComPort(), 0);
  EXPECT_TRUE(sink.shown.empty());
}

// A module still streaming when a run starts ends that run in its first
// flush; nothing of the start may follow the halt.
TEST_F(StartAndHalt, AStartThatEndsInItsFirstFlushStartsNothingAfterTheHalt) {
  StartSimulator("module A delay 2\n  RD constant 1\n  fault stream\n");
  DataWindowRecord& datawindow = doc.m_datawindows[doc.m_datawindows.Add()];
  datawindow.idlabel = "Streaming";
  datawindow.pollcommand = "ARD";
  VariableRecord& always = doc.m_variables[doc.m_variables.Add()];
  always.idlabel = "Always";
  always.resetonrun = 0;
  always.valuetext = "5";
  ConditionalRecord& conditional = doc.m_conditionals[doc.m_conditionals.Add()];
  conditional.idlabel = "Watch";
  conditional.expression = "{Always}>1";
  doc.m_scripts[doc.m_scripts.Add()].idlabel = "Watch\xA0";
  ChartRecorderRecord& recorder = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
  recorder.fields.Add();
  recorder.fields[0].label = "Streaming";
  Open();

  // The first run's poll sets the module streaming until the run ends.
  RunUntil([] { return false; });
  ASSERT_EQ(sink.shown.size(), 1u);
  ASSERT_EQ(sink.shown[0].caption, "Communications Error 201");

  sink.shown.clear();
  doc.m_conditionals[0].armed = 1;
  const uint64_t polled = runtime->PollCount();
  RunUntil([] { return false; });
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Communications Error 401");
  EXPECT_FALSE(runtime->IsRunning());
  EXPECT_EQ(runstates.ChartRecorders()[0].running, 0);
  EXPECT_EQ(doc.m_conditionals[0].armed, 1);
  EXPECT_EQ(runtime->PollCount(), polled);
}

TEST_F(StartAndHalt, AProjectSetToStartByItselfPostsTheStartMessage) {
  StartSimulator("module A\n  * constant ok\n");
  doc.m_autostartrunloop = 1;
  Open();
  EXPECT_EQ(pump.posted, std::vector<RunLoopMessage>{RunLoopMessage::Start});
  EXPECT_FALSE(runtime->IsRunning());
}

TEST_F(StartAndHalt, AQuitSeenInThePumpEndsTheProgram) {
  StartSimulator("module A\n  * constant ok\n");
  doc.m_runexitsend = "AH\r\n";
  Open();
  pump.onpump = [&] {
    if (runtime->PassCount() >= 3) pump.quit = true;
  };
  runtime->StartRunLoop();
  EXPECT_EQ(pump.endprocess, 1);
  EXPECT_FALSE(runtime->IsRunning());
  EXPECT_EQ(wire.Written().find("AH"), std::string::npos);
}

}  // namespace
}  // namespace korvix::testing
