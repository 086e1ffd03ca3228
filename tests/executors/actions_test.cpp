#include <gtest/gtest.h>

#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "executors_fixture.h"

namespace korvix::testing {
namespace {

class Actions : public ExecutorsFixture, public ::testing::Test {
protected:
  void RunSteps(const std::vector<ScriptStep>& steps) {
    AddScript("s" + std::to_string(doc.m_scripts.Count()), steps);
    executors.RunScriptByName(doc.m_scripts[doc.m_scripts.Count() - 1].idlabel);
    for (int i = 0; i < 300 && doc.m_scripts[doc.m_scripts.Count() - 1].isrunning; ++i) {
      clock.now += 10;
      Pass();
    }
  }
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("korvix-actions-" + std::to_string(::getpid()) + "-" +
                                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(folder); }
  void TearDown() override { std::filesystem::remove_all(folder); }
};

TEST_F(Actions, LampsCountersAndTimersByLabel) {
  doc.m_signallamps[doc.m_signallamps.Add()].idlabel = "lamp";
  doc.m_eventcounters[doc.m_eventcounters.Add()].idlabel = "count";
  doc.m_eventtimers[doc.m_eventtimers.Add()].idlabel = "timer";
  RunSteps({Step(16, "lamp"), Step(7, "count"), Step(7, "count"), Step(8, "count"), Step(13, "timer")});
  EXPECT_EQ(doc.m_signallamps[0].valuetext, "On");
  EXPECT_EQ(doc.m_eventcounters[0].valuetext, "1");
  EXPECT_TRUE(executors.Controls().TimerRunning(0));
  RunSteps({Step(18, "lamp"), Step(9, "count"), Step(14, "timer")});
  EXPECT_EQ(doc.m_signallamps[0].valuetext, "Off");
  EXPECT_EQ(doc.m_eventcounters[0].valuetext, "0");
  EXPECT_FALSE(executors.Controls().TimerRunning(0));
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(Actions, AFlashingLampGoesDarkAndLightsAgainWhileItStaysOn) {
  SignalLampRecord& lamp = doc.m_signallamps[doc.m_signallamps.Add()];
  lamp.flashrate = 5;  // lit for (350 - 250) x 2 ms
  ControlActions& controls = executors.Controls();
  controls.TurnOnLampAction(0);
  std::string states;
  for (uint32_t step : {199u, 1u, 199u, 1u, 1u}) {
    clock.now += step;
    controls.FlashLamps();
    states += std::to_string(lamp.state);
  }
  EXPECT_EQ(states, "10011");
  EXPECT_EQ(lamp.valuetext, "On");
  controls.ToggleLampAction(0);
  clock.now += 1000;
  controls.FlashLamps();
  EXPECT_EQ(lamp.valuetext, "Off");
  EXPECT_EQ(lamp.state, 0);
}

TEST_F(Actions, ServicesAreAskedWithExpandedTexts) {
  AddVariable("n", "3");
  doc.m_chartrecorders[doc.m_chartrecorders.Add()].idlabel = "chart";
  doc.m_picontrollers[doc.m_picontrollers.Add()].idlabel = "pi";
  while (doc.m_pages.Count() < 3) doc.m_pages.Add();
  ScriptStep print = Step(31, "lp{n}", "Lot {n}");
  print.barcode = "B{n}";
  RunSteps({Step(25, "{n}"), Step(28, "chart"), Step(29, "chart"), Step(38, "pi"), Step(40, "pi", "{n}0"),
            Step(41, "Title {n}", "Body"), Step(27, "ops@example.com", "n is {n}"), print, Step(19), Step(36), Step(37),
            Step(42), Step(26, "555{n}"), Step(34)});
  EXPECT_EQ(services.calls,
            (std::vector<std::string>{"page 3", "chart on chart", "chart off chart", "pi on 0", "pi set 0=30",
                                      "popup Title 3|Body", "email ops@example.com|n is 3", "print lp3|Lot 3|120|B3|10",
                                      "log", "minimize", "restore", "save"}));
  EXPECT_EQ(executors.Dialer().Queued(), std::string("5553") + kDialSeparator);
  EXPECT_EQ(hooks.halts, 1);
}

TEST_F(Actions, SendEmailWaitsForTheMailUnderWayAndForTheWebLogUpload) {
  hooks.weblogbusy = true;
  AddScript("mail", {Step(27, "a@b.c", "one"), Step(27, "a@b.c", "two")});
  executors.RunScriptByName("mail");
  PassFor(100);
  EXPECT_TRUE(services.calls.empty());
  hooks.weblogbusy = false;
  PassFor(100);
  EXPECT_EQ(services.calls, (std::vector<std::string>{"email a@b.c|one"}));
  services.sendsinflight = 0;
  PassFor(100);
  EXPECT_EQ(services.calls, (std::vector<std::string>{"email a@b.c|one", "email a@b.c|two"}));
  EXPECT_FALSE(doc.m_scripts[0].isrunning);
}

TEST_F(Actions, ShowMessageColoursAndFillsTheTextWindow) {
  AddVariable("n", "7");
  TextWindowRecord& window = doc.m_textwindows[doc.m_textwindows.Add()];
  window.idlabel = "news";
  ScriptStep show = Step(3, "n = {n}", "news");
  show.color1 = 0x0000FF;
  show.color2 = 0x00FF00;
  RunSteps({show});
  EXPECT_EQ(Value("news"), "n = 7");
}

TEST_F(Actions, MathConversionGivesErrorForABadFormula) {
  AddVariable("x", "4");
  AddVariable("y");
  RunSteps({Step(20, "y", "{x}*2.5")});
  EXPECT_EQ(Value("y"), "10");
  RunSteps({Step(20, "y", "{x}/0")});
  EXPECT_EQ(Value("y"), "Error");
}

TEST_F(Actions, WriteThenReadAFile) {
  AddVariable("x", "42");
  AddVariable("back");
  const std::string path = (folder / "out.txt").string();
  RunSteps({Step(24, path, "x={x}"), Step(24, path, "second"), Step(23, path, "back")});
  std::ifstream file(path, std::ios::binary);
  const std::string content((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  EXPECT_EQ(content, "x=42\r\nsecond\r\n");
  EXPECT_EQ(Value("back"), "x=42");
}

TEST_F(Actions, AFileThatCannotBeOpenedIsRetriedThenReported) {
  AddVariable("back", "kept");
  AddVariable("after");
  const std::string path = (folder / "no" / "such.txt").string();
  RunSteps({Step(23, path, "back"), Mark("after", "1")});
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "File Access Error");
  EXPECT_NE(sink.shown[0].text.find(path), std::string::npos);
  EXPECT_GE(clock.now, 1000u);
  EXPECT_EQ(Value("back"), "kept");
  EXPECT_EQ(Value("after"), "0");
}

TEST_F(Actions, AFolderNamedAsAFileIsReportedAndNothingIsDelivered) {
  AddVariable("back", "kept");
  RunSteps({Step(23, folder.string(), "back")});
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("could not be read"), std::string::npos);
  EXPECT_EQ(Value("back"), "kept");
}

TEST_F(Actions, SoundAndProgramsReachTheirLayers) {
  RunSteps({Step(21, "alarm"), Step(21, "bell.WAV"), Step(22, "logger --fast")});
  EXPECT_EQ(services.calls,
            (std::vector<std::string>{"sound alarm.wav", "sound bell.WAV", "run logger --fast", "reopen"}));
  EXPECT_TRUE(sink.shown.empty());
  services.calls.clear();
  services.programfailure = "The program could not be started:\rnowhere";
  RunSteps({Step(21, "missing"), Step(22, "nowhere")});
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].caption, "File Access Error");
  EXPECT_EQ(sink.shown[1].text, "The program could not be started:\rnowhere");
  EXPECT_EQ(services.calls.back(), "reopen");
}

TEST_F(Actions, PingRunsTheScriptWhenAModuleIsSilent) {
  AddVariable("alarms");
  AddScript("alarm", {Mark("alarms", "{alarms}+1")});
  doc.m_replytimeout = 100;
  AddScript("ping", {Step(32, "A, B", "alarm")});
  executors.RunScriptByName("ping");
  Pass();
  ASSERT_EQ(hooks.sent, std::vector<std::string>{"AID"});
  hooks.rxbuffer = "Aok\r";
  PassFor(20);
  ASSERT_EQ(hooks.sent, (std::vector<std::string>{"AID", "BID"}));
  EXPECT_EQ(Value("alarms"), "0");
  PassFor(150);
  EXPECT_FALSE(Running("ping"));
  EXPECT_EQ(Value("alarms"), "1");

  executors.RunScriptByName("ping");
  hooks.sent.clear();
  Pass();
  hooks.rxbuffer = "Aok\r";
  PassFor(20);
  hooks.rxbuffer = "Bok\r";
  PassFor(150);
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"AID", "BID"}));
  EXPECT_EQ(Value("alarms"), "1");
}

TEST_F(Actions, TheDialQueueKeepsCallsApartAndHangsUpAfterTheRingTime) {
  DialQueue& dialer = executors.Dialer();
  dialer.Add("111");
  dialer.Add("222");
  dialer.Service(40000);
  EXPECT_EQ(services.calls, std::vector<std::string>{"dial 111"});
  clock.now += 39999;
  dialer.Service(40000);
  EXPECT_TRUE(dialer.CallUp());
  clock.now += 1;
  dialer.Service(40000);
  EXPECT_FALSE(dialer.CallUp());
  clock.now += 4999;
  dialer.Service(40000);
  EXPECT_EQ(services.calls, (std::vector<std::string>{"dial 111", "hangup"}));
  clock.now += 1;
  dialer.Service(40000);
  EXPECT_EQ(services.calls, (std::vector<std::string>{"dial 111", "hangup", "dial 222"}));
  dialer.HangUp();
  EXPECT_EQ(services.calls.back(), "hangup");
  EXPECT_EQ(dialer.Queued(), "");
}

TEST_F(Actions, AFailedDialIsReported) {
  services.dialfailure = "No telephone modem is configured";
  executors.Dialer().Add("111");
  executors.Dialer().Service(40000);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].text, "No telephone modem is configured");
  EXPECT_FALSE(executors.Dialer().CallUp());
}

}  // namespace
}  // namespace korvix::testing
