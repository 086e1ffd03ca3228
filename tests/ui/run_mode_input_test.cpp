#include "ui/run_mode_input.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QTest>

#include "../executors/executors_fixture.h"
#include "platform/profile.h"
#include "render/controls/keypad.h"
#include "render/controls/slider_knob.h"
#include "ui/korvix_view.h"

namespace korvix::testing {
namespace {

QPoint Centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class NoPI final : public PIStepper {
public:
  void StepPIController(int, PIStepButton) override {}
  PIControllerReadings Readings(int) override { return {}; }
};

// The real view with the run-mode input installed as its input handler;
// the clicks go to its viewport, the keys to where a click left the focus,
// as the window system would send them.
class RunModeInputTest : public ExecutorsFixture, public ::testing::Test {
protected:
  RunModeInputTest() {
    view.resize(1000, 800);
    view.SetPageExtent(QSize(1000, 800));
    view.SetInputHandler([this](QEvent* event) { return input.OnViewEvent(event); });
    view.show();
  }
  QWidget* Viewport() { return view.viewport(); }
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(at), QPointF(Viewport()->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(Viewport(), &event);
  }
  void Press(QPoint at) { Mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); }
  void Move(QPoint at) { Mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton); }
  void Release(QPoint at) { Mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); }
  void Click(QPoint at) {
    Press(at);
    Release(at);
  }

  MemoryProfile profile;
  CKorvixView view{profile};
  NoPI pi;
  InputWindowRunStates inputs;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view.State(), states};
  RunControls controls{doc, view.State(), geometry, values, executors, services, pi, clock, inputs};
  bool running = true;
  CRunModeInput input{view, controls, [this] { return running; }};
};

TEST_F(RunModeInputTest, APushButtonClickSendsItsPressAndReleaseCommands) {
  PushButtonRecord& button = doc.m_pushbuttons[doc.m_pushbuttons.Add()];
  button.x = 100;
  button.y = 100;
  button.pressparam = "AON";
  button.pressaction = 0;
  button.releaseparam = "AOFF";
  const QPoint at = Centre(geometry.ObjectRectPushButton(0));
  Press(at);
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AON"});
  Release(at);
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"AON", "AOFF"}));
}

TEST_F(RunModeInputTest, NothingIsTakenWhileTheRunLoopIsStopped) {
  PushButtonRecord& button = doc.m_pushbuttons[doc.m_pushbuttons.Add()];
  button.pressparam = "AON";
  button.pressaction = 0;
  running = false;
  Click(Centre(geometry.ObjectRectPushButton(0)));
  values.ServicePendingSends();
  EXPECT_TRUE(hooks.sent.empty());
}

TEST_F(RunModeInputTest, ARockerSwitchHalfSendsItsCommand) {
  RockerSwitchRecord& rocker = doc.m_rockerswitches[doc.m_rockerswitches.Add()];
  rocker.x = 50;
  rocker.y = 50;
  rocker.valuetext = "5";
  rocker.upprefix = "AU";
  rocker.downprefix = "AD";
  Click(Centre(geometry.ObjectRectRockerSwitchLower(0)));
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AD4"});
  Click(Centre(geometry.ObjectRectRockerSwitchUpper(0)));
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"AD4", "AU5"}));
}

TEST_F(RunModeInputTest, DraggingASliderSendsItsValueAndPassesItOn) {
  AddVariable("shown", "");
  SliderControlRecord& slider = doc.m_slidercontrols[doc.m_slidercontrols.Add()];
  slider.x = 300;
  slider.y = 40;
  slider.sendprefix = "AS";
  slider.sendvalueto = "shown";
  slider.continuoussend = 0;
  const QPoint knob = Centre(ObjectRectSliderKnob(doc, view.State(), 0));
  const SliderTrack track = SliderTrackOf(slider, view.State());
  const int quarter = track.ybottom - (track.ybottom - track.ytop) / 4;
  Press(knob);
  Move(QPoint(knob.x(), quarter));
  values.ServicePendingSends();
  // Without continuous sending the value goes out when the knob is let go.
  EXPECT_TRUE(hooks.sent.empty());
  EXPECT_EQ(Value("shown"), "25");
  Release(QPoint(knob.x(), quarter));
  values.ServicePendingSends();
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"AS25"});
  EXPECT_EQ(slider.valuetext, "25");
}

TEST_F(RunModeInputTest, AnInputWindowKeypadEntryIsCleanedAndSent) {
  InputWindowRecord& window = doc.m_inputwindows[doc.m_inputwindows.Add()];
  window.idlabel = "target";
  window.x = 200;
  window.y = 300;
  window.action = 0;
  window.actiontext = "AT{target}";
  Click(Centre(geometry.ObjectRectInputWindowEditButton(0)));
  ASSERT_TRUE(inputs[0].keypadopen);
  const QRect client = Viewport()->rect();
  const Rect keypad = geometry.ObjectRectInputWindowKeypad(0, Rect{0, 0, client.width(), client.height()});
  for (std::string_view caption : {"0", "0", "7", ".", "5", ".", "0", "Enter"}) {
    for (size_t k = 0; k < kKeypadKeys.size(); ++k) {
      if (kKeypadKeys[k].caption == caption) Click(Centre(KeypadKeyRect(keypad, static_cast<int>(k))));
    }
  }
  EXPECT_EQ(window.valuetext, "007.50");
  values.ServicePendingSends();
  ASSERT_EQ(hooks.sent.size(), 1u);
  EXPECT_EQ(hooks.sent[0], "AT" + window.valuetext);
}

TEST_F(RunModeInputTest, AnInputWindowWithoutKeypadTakesTheKeyboard) {
  InputWindowRecord& window = doc.m_inputwindows[doc.m_inputwindows.Add()];
  window.idlabel = "target";
  window.keypadsize = 0;
  window.actiontext = "AT{target}";
  view.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
  QTest::mouseClick(Viewport(), Qt::LeftButton, {}, Centre(geometry.ObjectRectInputWindowEditButton(0)));
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr);
  QTest::keyClicks(focus, "1x2");
  QTest::keyClick(focus, Qt::Key_Return);
  values.ServicePendingSends();
  ASSERT_EQ(hooks.sent.size(), 1u);
  EXPECT_EQ(hooks.sent[0], "AT" + window.valuetext);
  EXPECT_EQ(window.valuetext.find('x'), std::string::npos);
}

TEST_F(RunModeInputTest, AChartRecordersPrintButtonPrintsOnItsReleaseOnly) {
  doc.m_chartrecorders.Add();
  ChartRecorderGeometry chart{doc, view.State(), states};
  const QPoint print = Centre(chart.ChartPrintButtonRect(0));
  Press(print);
  EXPECT_TRUE(services.calls.empty());
  Release(print);
  EXPECT_EQ(services.calls, std::vector<std::string>{"chart print 0"});
  // Another of its buttons prints nothing.
  Click(Centre(chart.ChartToEndButtonRect(0)));
  EXPECT_EQ(services.calls.size(), 1u);
}

}  // namespace
}  // namespace korvix::testing
