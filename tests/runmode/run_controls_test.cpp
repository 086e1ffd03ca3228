#include "runmode/run_controls.h"

#include <gtest/gtest.h>

#include "../executors/executors_fixture.h"
#include "render/controls/keypad.h"
#include "render/controls/slider_knob.h"

namespace korvix::testing {
namespace {

Point Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class NoPI final : public PIStepper {
public:
  std::vector<std::pair<int, PIStepButton>> steps;
  void StepPIController(int index, PIStepButton button) override { steps.emplace_back(index, button); }
  PIControllerReadings Readings(int) override { return {"7", "1.5", std::nullopt}; }
};

class RunControlsTest : public ExecutorsFixture, public ::testing::Test {
protected:
  bool Press(Point p) { return controls.OnLeftButtonDown(p, client); }

  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view, states};
  NoPI pi;
  InputWindowRunStates inputs;
  RunControls controls{doc, view, geometry, values, executors, services, pi, clock, inputs};
  Rect client{0, 0, 1600, 1200};
};

TEST_F(RunControlsTest, APushButtonSendsItsPressThenItsReleaseCommand) {
  PushButtonRecord& button = doc.m_pushbuttons[doc.m_pushbuttons.Add()];
  button.x = 100;
  button.y = 100;
  button.pressaction = 0;
  button.pressparam = "AON";
  button.releaseaction = 0;
  button.releaseparam = "AOFF";
  const Point at = Centre(geometry.ObjectRectPushButton(0));
  ASSERT_TRUE(Press(at));
  EXPECT_TRUE(controls.PushButtonDown(0));
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AON"});
  EXPECT_TRUE(controls.OnLeftButtonUp(at));
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"AON", "AOFF"}));
}

TEST_F(RunControlsTest, APushButtonThatHoldsStaysDownUntilTheModuleAnswers) {
  PushButtonRecord& button = doc.m_pushbuttons[doc.m_pushbuttons.Add()];
  button.pressaction = 0;
  button.pressparam = "AON";
  button.presssecond = "Discard";
  button.pressholds = 1;
  button.releaseparam = "";
  const Point at = Centre(geometry.ObjectRectPushButton(0));
  Press(at);
  controls.OnLeftButtonUp(at);
  controls.AdvanceControls();
  EXPECT_TRUE(controls.PushButtonDown(0));
  values.ServicePendingSends();
  controls.AdvanceControls();
  EXPECT_TRUE(controls.PushButtonDown(0));
  hooks.rxbuffer = "Aok\r";
  values.DispatchReceivedLines();
  controls.AdvanceControls();
  EXPECT_FALSE(controls.PushButtonDown(0));
}

TEST_F(RunControlsTest, APushButtonsReplyGoesToItsResponseLabel) {
  PushButtonRecord& button = doc.m_pushbuttons[doc.m_pushbuttons.Add()];
  button.pressaction = 0;
  button.pressparam = "AON";
  button.presssecond = "Reply";
  AddVariable("Reply", "");
  Press(Centre(geometry.ObjectRectPushButton(0)));
  values.ServicePendingSends();
  hooks.rxbuffer = "Aon\r";
  values.DispatchReceivedLines();
  EXPECT_EQ(Value("Reply"), "Aon");
}

TEST_F(RunControlsTest, APushButtonActionCodeOutsideItsNumberingIsReported) {
  PushButtonRecord& button = doc.m_pushbuttons[doc.m_pushbuttons.Add()];
  button.pressaction = 36;
  Press(Centre(geometry.ObjectRectPushButton(0)));
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("action code \"36\""), std::string::npos);
}

TEST_F(RunControlsTest, RockerHalvesStepTheirWayAndRepeatWhileHeld) {
  RockerSwitchRecord& rocker = doc.m_rockerswitches[doc.m_rockerswitches.Add()];
  rocker.x = 50;
  rocker.y = 50;
  rocker.valuetext = "8";
  rocker.uplimit = "10";
  rocker.downlimit = "0";
  rocker.upprefix = "AU";
  rocker.downprefix = "AD";
  rocker.repeatrate = 5;
  rocker.sendvalueto = "copy";
  AddVariable("copy");
  const Point upper = Centre(geometry.ObjectRectRockerSwitchUpper(0));
  Press(upper);
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AU9"});
  EXPECT_EQ(controls.HeldRockerHalf(0), RockerHalf::Upper);
  clock.now += RunControls::RockerRepeatMs(5) - 1;
  controls.ServiceHeldControls();
  EXPECT_EQ(rocker.valuetext, "9");
  clock.now += 1;
  controls.ServiceHeldControls();
  clock.now += RunControls::RockerRepeatMs(5);
  controls.ServiceHeldControls();
  EXPECT_EQ(rocker.valuetext, "10");  // held at its limit
  EXPECT_EQ(Value("copy"), "10");
  controls.OnLeftButtonUp(upper);
  Press(Centre(geometry.ObjectRectRockerSwitchLower(0)));
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent.back(), "AD9");
  EXPECT_EQ(RunControls::RockerRepeatMs(0), 1000u);
  EXPECT_EQ(RunControls::RockerRepeatMs(10), 0u);
}

TEST_F(RunControlsTest, DraggingTheSliderKnobSendsTheValueUnderIt) {
  SliderControlRecord& slider = doc.m_slidercontrols[doc.m_slidercontrols.Add()];
  slider.x = 200;
  slider.y = 50;
  slider.valuetext = "0";
  slider.sendprefix = "AS";
  const Point knob = Centre(ObjectRectSliderKnob(doc, view, 0));
  const SliderTrack track = SliderTrackOf(slider, view);
  ASSERT_TRUE(Press(knob));
  controls.OnMouseMove({knob.x, (track.ytop + track.ybottom) / 2});
  values.ServicePendingSends();
  EXPECT_EQ(slider.valuetext, "50");
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AS50"});
  controls.OnLeftButtonUp({knob.x, track.ytop - 40});
  values.ServicePendingSends();
  EXPECT_EQ(slider.valuetext, "100");
  EXPECT_EQ(hooks.sent.back(), "AS100");
}

TEST_F(RunControlsTest, TheKeypadEntryIsCleanedAndTheActionRuns) {
  InputWindowRecord& window = doc.m_inputwindows[doc.m_inputwindows.Add()];
  window.idlabel = "setpoint";
  window.x = 300;
  window.y = 300;
  window.action = 0;
  window.actiontext = "AV{setpoint}";
  ASSERT_TRUE(Press(Centre(geometry.ObjectRectInputWindowEditButton(0))));
  controls.OnLeftButtonUp({0, 0});
  ASSERT_TRUE(inputs[0].keypadopen);
  const Rect keypad = geometry.ObjectRectInputWindowKeypad(0, client);
  const auto key = [&](std::string_view caption) {
    for (size_t k = 0; k < kKeypadKeys.size(); ++k) {
      if (kKeypadKeys[k].caption != caption) continue;
      const Point p = Centre(KeypadKeyRect(keypad, static_cast<int>(k)));
      Press(p);
      controls.OnLeftButtonUp(p);
    }
  };
  for (const char* caption : {"1", ".", "2", ".", "5", "+/-", "Enter"}) key(caption);
  EXPECT_EQ(window.valuetext, "-1.25");
  EXPECT_FALSE(inputs[0].keypadopen);
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AV-1.25"});
}

TEST_F(RunControlsTest, ACounterButtonStepsTheCount) {
  EventCounterRecord& counter = doc.m_eventcounters[doc.m_eventcounters.Add()];
  counter.idlabel = "count";
  counter.x = 400;
  counter.y = 20;
  Press(Centre(geometry.ObjectRectEventCounterUpButton(0)));
  controls.OnLeftButtonUp({0, 0});
  Press(Centre(geometry.ObjectRectEventCounterUpButton(0)));
  EXPECT_EQ(counter.valuetext, "2");
}

TEST_F(RunControlsTest, HeldCounterAndPIControllerButtonsStepAgainUntilReleased) {
  EventCounterRecord& counter = doc.m_eventcounters[doc.m_eventcounters.Add()];
  counter.x = 400;
  counter.y = 20;
  PIControllerRecord& controller = doc.m_picontrollers[doc.m_picontrollers.Add()];
  controller.x = 20;
  controller.y = 300;
  const Point up = Centre(geometry.ObjectRectEventCounterUpButton(0));
  Press(up);
  EXPECT_EQ(controls.HeldCounterButton(0), CounterButton::Up);
  clock.now += 249;
  controls.AdvanceControls();
  EXPECT_EQ(counter.valuetext, "1");
  clock.now += 1;
  controls.AdvanceControls();
  EXPECT_EQ(counter.valuetext, "2");
  controls.OnLeftButtonUp(up);
  EXPECT_FALSE(controls.HeldCounterButton(0));
  clock.now += 1000;
  controls.AdvanceControls();
  EXPECT_EQ(counter.valuetext, "2");

  Press(Centre(geometry.ObjectRectEventCounterResetButton(0)));
  clock.now += 1000;
  controls.AdvanceControls();  // a reset is not repeated
  EXPECT_EQ(counter.valuetext, "0");
  controls.OnLeftButtonUp({0, 0});

  const Rect panel = geometry.ObjectRectPIController(0);
  const Rect kpup =
      PIControllerPanel(panel, view, controller.sizecode).buttons[static_cast<size_t>(PIStepButton::KpUp)];
  Press(Centre(kpup));
  EXPECT_EQ(controls.PIControllerReadingsOf(0).pressed, PIStepButton::KpUp);
  EXPECT_EQ(controls.PIControllerReadingsOf(0).setpoint, "7");
  clock.now += 250;
  controls.AdvanceControls();
  controls.OnLeftButtonUp(Centre(kpup));
  clock.now += 250;
  controls.AdvanceControls();
  EXPECT_EQ(pi.steps, (std::vector<std::pair<int, PIStepButton>>{{0, PIStepButton::KpUp}, {0, PIStepButton::KpUp}}));
  EXPECT_FALSE(controls.PIControllerReadingsOf(0).pressed);
}

TEST_F(RunControlsTest, OnlyControlsOnTheCurrentPageTakeClicks) {
  PushButtonRecord& button = doc.m_pushbuttons[doc.m_pushbuttons.Add()];
  button.page = 2;
  EXPECT_FALSE(Press(Centre(geometry.ObjectRectPushButton(0))));
}

}  // namespace
}  // namespace korvix::testing
