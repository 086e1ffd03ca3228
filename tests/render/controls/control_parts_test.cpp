#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "control_canvas.h"
#include "render/controls/button_array.h"
#include "render/controls/event_counter.h"
#include "render/controls/event_timer.h"
#include "render/controls/keypad.h"
#include "render/controls/pi_controller.h"
#include "render/controls/push_button.h"
#include "render/controls/rocker_switch.h"
#include "render/controls/signal_lamp.h"

namespace korvix {
namespace {

// Outer edge lines of an up button and a raised bevel alike: white at the
// top left, grey 51 at the bottom right.
constexpr Colour kUpLight = Grey(255);
constexpr Colour kUpDark = Grey(51);

class ControlPartsTest : public ::testing::TestWithParam<int> {
protected:
  ControlPartsTest() { canvas.view.SetFontFactor(GetParam()); }

  // A part is drawn on its rectangle when its outer edge lines lie on the
  // rectangle's own border.
  void ExpectUpOn(const Rect& part, const std::string& what) {
    EXPECT_EQ(canvas.At(part.left, part.top), kUpLight) << what;
    EXPECT_EQ(canvas.At(part.right - 1, part.top + 1), kUpDark) << what;
    EXPECT_EQ(canvas.At(part.right - 1, part.bottom - 1), kUpDark) << what;
    EXPECT_EQ(canvas.At(part.left, part.bottom - 2), kUpLight) << what;
  }

  // Held parts are dark at the top left: a pressed box's outer line is grey
  // 153, a sunken bevel's grey 102 (127 with doubled edges).
  Colour SunkenTopLeft() const { return GetParam() == 1 ? Grey(102) : Grey(127); }

  ControlCanvas canvas;
};

TEST_P(ControlPartsTest, CounterAndTimerButtonsLieOnTheirPartRectangles) {
  const int counter = canvas.doc.m_eventcounters.Add();
  const int timer = canvas.doc.m_eventtimers.Add();
  canvas.doc.m_eventtimers[timer].y = 100;
  canvas.Paint([&](DrawingContext& c) {
    DrawEventCounter(c, counter);
    DrawEventTimer(c, timer);
  });
  const ObjectGeometry& g = canvas.geometry;
  ExpectUpOn(g.ObjectRectEventCounterUpButton(counter), "counter up");
  ExpectUpOn(g.ObjectRectEventCounterResetButton(counter), "counter reset");
  ExpectUpOn(g.ObjectRectEventCounterDownButton(counter), "counter down");
  ExpectUpOn(g.ObjectRectEventTimerStartButton(timer), "timer start");
  ExpectUpOn(g.ObjectRectEventTimerResetButton(timer), "timer reset");
  ExpectUpOn(g.ObjectRectEventTimerHaltButton(timer), "timer halt");
}

TEST_P(ControlPartsTest, CounterWithoutManualButtonsShowsNone) {
  const int counter = canvas.doc.m_eventcounters.Add();
  canvas.doc.m_eventcounters[counter].manualbuttons = 0;
  canvas.doc.m_eventcounters[counter].buttonwidth = 1;
  canvas.Paint([&](DrawingContext& c) { DrawEventCounter(c, counter); });
  const Rect up = canvas.geometry.ObjectRectEventCounterUpButton(counter);
  EXPECT_NE(canvas.At(up.left, up.top), kUpLight);
}

TEST_P(ControlPartsTest, RockerHalvesLieOnTheirPartRectanglesAndTheHeldOneSinks) {
  const int rocker = canvas.doc.m_rockerswitches.Add();
  const Rect upper = canvas.geometry.ObjectRectRockerSwitchUpper(rocker);
  const Rect lower = canvas.geometry.ObjectRectRockerSwitchLower(rocker);
  canvas.Paint([&](DrawingContext& c) { DrawRockerSwitch(c, rocker); });
  ExpectUpOn(upper, "upper at rest");
  ExpectUpOn(lower, "lower at rest");

  canvas.Clear();
  canvas.Paint([&](DrawingContext& c) { DrawRockerSwitch(c, rocker, RockerHalf::Lower); });
  ExpectUpOn(upper, "upper while lower held");
  EXPECT_EQ(canvas.At(lower.left, lower.top), SunkenTopLeft());
}

TEST_P(ControlPartsTest, PushButtonPressedIsDarkAtTheTopLeft) {
  const int button = canvas.doc.m_pushbuttons.Add();
  const Rect rect = canvas.geometry.ObjectRectPushButton(button);
  canvas.Paint([&](DrawingContext& c) { DrawPushButton(c, button); });
  ExpectUpOn(rect, "up");
  const QImage up = canvas.Image().copy();
  canvas.Clear();
  canvas.Paint([&](DrawingContext& c) { DrawPushButton(c, button, true); });
  EXPECT_EQ(canvas.At(rect.left, rect.top), Grey(153));
  EXPECT_NE(canvas.Image(), up);
}

TEST_P(ControlPartsTest, ButtonArrayShowsItsDownButtonPressedAndLitWhileRunning) {
  const int array = canvas.doc.m_buttonarrays.Add();
  ButtonArrayRecord& r = canvas.doc.m_buttonarrays[array];
  r.buttons[0].isdown = 0;
  r.buttons[2].isdown = 1;
  const Rect rect = canvas.geometry.ObjectRectButtonArray(array);
  canvas.Paint([&](DrawingContext& c) { DrawButtonArray(c, array); });
  for (int k = 0; k < 4; ++k) {
    const Rect sub = ButtonArraySubButtonRect(rect, 4, k);
    EXPECT_EQ(r.buttons[k].placement, sub) << k;
    if (k == 2)
      EXPECT_EQ(canvas.At(sub.left, sub.top), Grey(153));
    else
      ExpectUpOn(sub, std::string("sub button ").append(std::to_string(k)));
  }
  EXPECT_EQ(ButtonArraySubButtonRect(rect, 4, 0).left, rect.left);
  EXPECT_EQ(ButtonArraySubButtonRect(rect, 4, 3).right, rect.right);

  canvas.Paint([&](DrawingContext& c) { DrawButtonArray(c, array, true); });
  const Rect lit = ButtonArraySubButtonRect(rect, 4, 2);
  EXPECT_EQ(canvas.At(lit.left, lit.top), Rgb(127, 127, 179));
  EXPECT_EQ(canvas.At((lit.left + lit.right) / 2, lit.top + Height(lit) / 5), Rgb(51, 51, 153));
}

TEST_P(ControlPartsTest, PIControllerStepButtonsLieOnTheirRectanglesAndSinkWhenHeld) {
  const int pi = canvas.doc.m_picontrollers.Add();
  const Rect rect = canvas.geometry.ObjectRectPIController(pi);
  const PIControllerLayout layout = PIControllerPanel(rect, canvas.view, canvas.doc.m_picontrollers[pi].sizecode);
  canvas.Paint([&](DrawingContext& c) { DrawPIController(c, pi, {"", "", PIStepButton::KiDown}); });
  for (std::size_t b = 0; b < layout.buttons.size(); ++b) {
    const Rect& button = layout.buttons[b];
    EXPECT_TRUE(Inside(button, rect)) << b;
    if (b == static_cast<std::size_t>(PIStepButton::KiDown))
      EXPECT_EQ(canvas.At(button.left, button.top), SunkenTopLeft());
    else
      ExpectUpOn(button, std::string("step button ").append(std::to_string(b)));
  }
  for (const Rect& value : layout.values) EXPECT_TRUE(Inside(value, rect));
}

TEST_P(ControlPartsTest, KeypadKeysFillItsRectangleWithoutOverlapping) {
  const int window = canvas.doc.m_inputwindows.Add();
  canvas.doc.m_inputwindows[window].x = 300;
  const Rect keypad = canvas.geometry.ObjectRectInputWindowKeypad(window, canvas.Client());
  InputWindowRunState state;
  state.keypadopen = 1;
  state.keypadkey = KeypadKeyNumber(4);
  canvas.Paint([&](DrawingContext& c) { DrawKeypad(c, window, keypad, state); });
  const Rect band = KeypadDisplayBand(keypad);
  EXPECT_TRUE(Inside(band, keypad));
  for (int k = 0; k < static_cast<int>(kKeypadKeys.size()); ++k) {
    const Rect key = KeypadKeyRect(keypad, k);
    EXPECT_TRUE(Inside(key, keypad)) << k;
    EXPECT_GE(key.top, band.bottom) << k;
    for (int other = 0; other < k; ++other) {
      const Rect o = KeypadKeyRect(keypad, other);
      EXPECT_TRUE(key.right <= o.left || o.right <= key.left || key.bottom <= o.top || o.bottom <= key.top)
          << k << " overlaps " << other;
    }
    if (k == 4)
      EXPECT_EQ(canvas.At(key.left, key.top), Grey(153));
    else
      ExpectUpOn(key, std::string("key ").append(kKeypadKeys[static_cast<std::size_t>(k)].caption));
  }
}

TEST_P(ControlPartsTest, SignalLampLensShowsItsColourLitOrDim) {
  for (int colour = 0; colour <= 5; ++colour) {
    for (int state : {0, 1}) {
      ControlCanvas lamp;
      lamp.view.SetFontFactor(GetParam());
      const int index = lamp.doc.m_signallamps.Add();
      SignalLampRecord& r = lamp.doc.m_signallamps[index];
      r.title.clear();
      r.lampcolor = colour;
      r.state = state;
      const Rect rect = lamp.geometry.ObjectRectSignalLamp(index);
      lamp.Paint([&](DrawingContext& c) { DrawSignalLamp(c, index); });
      EXPECT_EQ(lamp.At((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2), LampColour(colour, state != 0))
          << "colour " << colour << " state " << state;
    }
  }
  EXPECT_NE(LampColour(2, true), LampColour(2, false));
  EXPECT_EQ(LampColour(9, true), LampColour(0, true));
}

INSTANTIATE_TEST_SUITE_P(AtFontSizes, ControlPartsTest, ::testing::Values(1, 3),
                         [](const ::testing::TestParamInfo<int>& test) {
                           std::string name = "X";
                           name += std::to_string(test.param);
                           return name;
                         });

}  // namespace
}  // namespace korvix
