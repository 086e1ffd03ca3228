#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <utility>

#include "../executors/executors_fixture.h"
#include "../runloop/runloop_fixture.h"
#include "render/controls/slider_knob.h"
#include "runmode/run_mode_parts.h"

namespace korvix::testing {
namespace {

// The window's part of the actions, recorded.
class FakeWindowActions final : public RunWindowActions {
public:
  std::vector<std::string> calls;
  void GotoPage(int page) override { calls.push_back("page " + std::to_string(page)); }
  void MinimizeWindow() override { calls.push_back("minimize"); }
  void RestoreWindow() override { calls.push_back("restore"); }
  void QuitProgram() override { calls.push_back("quit"); }
  void SaveProject() override { calls.push_back("save"); }
  void InvalidateControl(ScreenObjectKind, int) override {}
  void PrintChartRec(int index) override { calls.push_back("chart print " + std::to_string(index)); }
};

// The Run-Loop against the module simulator with the executors and the
// run-mode controls in place, wired as the view wires them.
class ExecutorsOnSimulator : public RunLoopOnSimulator {
protected:
  void OpenWithExecutors() {
    doc.m_replytimeout = 100;
    const auto makerunmode = [this](ViewRuntime& made) -> ScriptServices& {
      runmode = std::make_unique<RunModeParts>(
          doc, made, RunModeSurroundings{view, geometry, inputs, clock, sink, windowactions, outside});
      return runmode->Scripts();
    };
    RuntimeServices services{profile, sink, clock, wall, pump, window, popup, makerunmode, weblog, dde, [this] {
                               return std::make_unique<LoggingSerialPort>(wire);
                             }};
    services.runstates = &runstates;
    runtime = std::make_unique<ViewRuntime>(doc, services);
    runtime->OnInitialUpdate();
    ASSERT_EQ(runtime->SelectedComPort(), 0);
    wire.Clear();
  }
  void TearDown() override {
    runtime.reset();
    runmode.reset();
    RunLoopOnSimulator::TearDown();
  }
  // The Script that the Run-Loop starts with.
  void AddStartScript(const std::vector<ScriptStep>& steps) {
    ScriptRecord& script = doc.m_scripts[doc.m_scripts.Add()];
    script.idlabel = "atstart";
    for (const ScriptStep& step : steps) script.steps.Add(step);
    doc.m_runinitscript = script.idlabel;
  }

  FakeRunServices fakes;
  OutsideActions outside{fakes, fakes, fakes, fakes, fakes};
  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view, states};
  InputWindowRunStates inputs;
  FakeWindowActions windowactions;
  std::unique_ptr<RunModeParts> runmode;
};

TEST_F(ExecutorsOnSimulator, AScriptTransmitGetsTheModulesReply) {
  StartSimulator("module A\n  T constant 11\n");
  VariableRecord& reading = doc.m_variables[doc.m_variables.Add()];
  reading.idlabel = "reading";
  reading.valuetext = "none";
  reading.resetonrun = 0;
  AddStartScript({Step(0, "AT", "reading")});
  OpenWithExecutors();
  ASSERT_TRUE(RunUntil([&] { return doc.m_variables[0].valuetext != "none" && !doc.m_scripts[0].isrunning; }));
  EXPECT_NE(doc.m_variables[0].valuetext.find("11"), std::string::npos) << doc.m_variables[0].valuetext;
  EXPECT_EQ(wire.Written(), "AT\r");
}

TEST_F(ExecutorsOnSimulator, ASliderStartsAtItsValueAndADragIsMirroredOnItsTwin) {
  StartSimulator("module A\n  S constant ok\n");
  for (int x : {50, 300}) {
    SliderControlRecord& slider = doc.m_slidercontrols[doc.m_slidercontrols.Add()];
    slider.x = x;
    slider.y = 40;
    slider.sendprefix = "AS";
    slider.startvalue = "10";
  }
  OpenWithExecutors();
  bool dragged = false;
  ASSERT_TRUE(RunUntil([&] {
    if (!dragged) {
      const Rect knob = ObjectRectSliderKnob(doc, view, 0);
      const SliderTrack track = SliderTrackOf(doc.m_slidercontrols[0], view);
      const Point at{(knob.left + knob.right) / 2, (knob.top + knob.bottom) / 2};
      runmode->Controls().OnLeftButtonDown(at, Rect{0, 0, 1000, 800});
      runmode->Controls().OnLeftButtonUp({at.x, (track.ytop + track.ybottom) / 2});
      dragged = true;
    }
    return doc.m_slidercontrols[1].valuetext == "50";
  }));
  EXPECT_EQ(doc.m_slidercontrols[0].valuetext, "50");
  const std::string written = wire.Written();
  EXPECT_NE(written.find("AS10\r"), std::string::npos) << written;
  EXPECT_NE(written.find("AS50\r"), std::string::npos) << written;
}

TEST_F(ExecutorsOnSimulator, APIControllerRegulatesItsModulesReadingAndEndsAtZero) {
  StartSimulator("module A\n  T constant 40\nmodule B\n  O echo\n");
  PIControllerRecord& controller = doc.m_picontrollers[doc.m_picontrollers.Add()];
  controller.idlabel = "Oven";
  controller.pollcommand = "AT";
  controller.kptext = "1.0";
  controller.kitext = "0.0";
  controller.posprefix = "BO";
  controller.posmin = "0";
  controller.posmax = "200";
  AddStartScript({Step(40, "Oven", "50")});
  OpenWithExecutors();
  // Error 10 with Kp 1 is 10 % of the positive range.
  ASSERT_TRUE(RunUntil([&] { return wire.Written().find("BO20\r") != std::string::npos; }));
  const std::string written = wire.Written();
  EXPECT_EQ(written.find("BO0\r"), 0u) << written;
  EXPECT_EQ(written.rfind("BO0\r"), written.size() - 4) << written;
  EXPECT_EQ(doc.m_picontrollers[0].valuetext, "40");
  EXPECT_TRUE(sink.shown.empty());
}

TEST_F(ExecutorsOnSimulator, ActionsReachTheRuntimeAndThePortIsBackAfterAProgram) {
  StartSimulator("module A\n  T constant 11\n");
  doc.m_chartrecorders[doc.m_chartrecorders.Add()].idlabel = "chart";
  doc.m_variables[doc.m_variables.Add()].idlabel = "reading";
  AddStartScript(
      {Step(41, "Note", "Started"), Step(28, "chart"), Step(22, "helper --once"), Step(0, "AT", "reading"), Step(36)});
  OpenWithExecutors();
  ASSERT_TRUE(RunUntil([&] { return !doc.m_scripts[0].isrunning; }));
  EXPECT_EQ(runtime->Popup().m_title, "Note");
  EXPECT_EQ(runtime->Popup().m_message, "Started");
  EXPECT_EQ(fakes.calls, std::vector<std::string>{"run helper --once"});
  EXPECT_EQ(windowactions.calls, std::vector<std::string>{"minimize"});
  EXPECT_EQ(runtime->SelectedComPort(), 0);
  EXPECT_NE(doc.m_variables[0].valuetext.find("11"), std::string::npos);
}

// A start Script that names no Script ends the run before its first round,
// with the unknown-label halt when nothing bears the label and with the
// missing-Script halt when another kind of object does.
TEST_F(ExecutorsOnSimulator, AStartScriptThatNamesNoScriptHaltsTheRunWithItsMessage) {
  const struct {
    const char* label;
    const char* message;
  } cases[] = {
      {"absent",
       "An attempt to use Object ID Label \r\"absent\" which does not exist. \rKorvix will now exit Run-Loop."},
      {"reading", "\"reading\" is not the ID Label of a Script. \rKorvix will now exit Run-Loop."},
  };
  StartSimulator("module A\n  T constant 11\n");
  doc.m_scripts[doc.m_scripts.Add()].idlabel = "present";
  doc.m_variables[doc.m_variables.Add()].idlabel = "reading";
  OpenWithExecutors();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    sink.shown.clear();
    doc.m_runinitscript = c.label;
    EXPECT_FALSE(RunUntil([] { return false; }));
    ASSERT_EQ(sink.shown.size(), 1U);
    EXPECT_EQ(sink.shown[0].caption, "Illegal Operation");
    EXPECT_EQ(sink.shown[0].text, c.message);
    EXPECT_FALSE(runtime->IsRunning());
  }
}

// The action starts a recorder as the Run-Loop's start does: afresh, its
// window at the clock and following the newest sample again, and redrawn.
TEST_F(ExecutorsOnSimulator, AStartChartRecorderActionPlacesTheWindowAsTheRunLoopStartDoes) {
  StartSimulator("module A\n  T constant 11\n");
  ChartRecorderRecord& recorder = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
  recorder.idlabel = "chart";
  recorder.autostart = 0;
  AddStartScript({Step(28, "chart")});
  OpenWithExecutors();
  ChartRecorderRunState& state = runstates.ChartRecorders()[0];
  state.windowheld = 1;
  state.lastfollow = 0;
  state.writepos = 5;
  window.invalidated.clear();
  int running = 0;
  long redrawn = 0;
  ASSERT_TRUE(RunUntil([&] {
    running = state.running;
    redrawn =
        std::count(window.invalidated.begin(), window.invalidated.end(), std::pair{ScreenObjectKind::ChartRecorder, 0});
    return !doc.m_scripts[0].isrunning;
  }));
  EXPECT_EQ(running, 1);
  EXPECT_EQ(state.windowheld, 0);
  EXPECT_NE(state.lastfollow, 0);
  EXPECT_EQ(state.writepos, 0);
  EXPECT_EQ(doc.m_chartrecorders[0].windowdate, runtime->Clock().m_datetext);
  EXPECT_NE(doc.m_chartrecorders[0].windowtime, "00:00:00.00");
  EXPECT_EQ(redrawn, 1);
}

}  // namespace
}  // namespace korvix::testing
