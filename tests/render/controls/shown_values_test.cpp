#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "render/controls/event_counter.h"
#include "render/controls/event_timer.h"
#include "render/controls/keypad.h"
#include "render/controls/pi_controller.h"
#include "render/controls/rocker_switch.h"
#include "render/controls/slider_control.h"
#include "render/controls/slider_knob.h"
#include "render/testing/recording_device_context.h"

namespace korvix {
namespace {

using Op = RecordingDeviceContext::Op;

class ShownValuesTest : public ::testing::Test {
protected:
  // The texts a drawing wrote, with the rectangles they were written in.
  std::vector<RecordingDeviceContext::Call> Texts(const std::function<void(DrawingContext&)>& draw) {
    RecordingDeviceContext dc;
    DrawingContext context{dc, doc, view, geometry, states};
    draw(context);
    return dc.Only(Op::DrawText);
  }
  static bool Wrote(const std::vector<RecordingDeviceContext::Call>& texts, const std::string& text) {
    return std::any_of(texts.begin(), texts.end(), [&](const auto& call) { return call.text == text; });
  }

  CKorvixDoc doc;
  ViewState view;
  ObjectRunStates states;
  ObjectGeometry geometry{doc, view, states};
};

TEST_F(ShownValuesTest, FaultTextsAreShownAsTheyStand) {
  struct Case {
    std::string kind;
    std::function<void(const std::string&)> set;
    std::function<void(DrawingContext&)> draw;
  };
  doc.m_eventcounters.Add();
  doc.m_eventtimers.Add();
  doc.m_rockerswitches.Add();
  doc.m_picontrollers.Add();
  const std::vector<Case> cases{
      {"counter", [&](const std::string& t) { doc.m_eventcounters[0].valuetext = t; },
       [](DrawingContext& c) { DrawEventCounter(c, 0); }},
      {"timer", [&](const std::string& t) { doc.m_eventtimers[0].valuetext = t; },
       [](DrawingContext& c) { DrawEventTimer(c, 0); }},
      {"rocker", [&](const std::string& t) { doc.m_rockerswitches[0].valuetext = t; },
       [](DrawingContext& c) { DrawRockerSwitch(c, 0); }},
      {"PI output", [&](const std::string& t) { doc.m_picontrollers[0].valuetext = t; },
       [](DrawingContext& c) { DrawPIController(c, 0); }},
  };
  for (const Case& c : cases)
    for (const std::string fault : {"Error", "Overflow"}) {
      c.set(fault);
      EXPECT_TRUE(Wrote(Texts(c.draw), fault)) << c.kind << " " << fault;
    }
}

TEST_F(ShownValuesTest, SliderWritesAFaultOnItsKnobAtTheBottomEnd) {
  doc.m_slidercontrols.Add();
  SliderControlRecord& r = doc.m_slidercontrols[0];
  for (const auto& [value, shown] : std::vector<std::pair<std::string, std::string>>{
           {"Error", "Error"}, {"Overflow", "Overflow"}, {"12a", "Error"}}) {
    r.valuetext = value;
    const Rect knob = ObjectRectSliderKnob(doc, view, 0);
    EXPECT_EQ((knob.top + knob.bottom) / 2, SliderTrackOf(r, view).ybottom) << value;
    const auto texts = Texts([](DrawingContext& c) { DrawSliderControl(c, 0); });
    const auto on = std::find_if(texts.begin(), texts.end(), [&](const auto& call) { return call.text == shown; });
    ASSERT_NE(on, texts.end()) << value;
    EXPECT_EQ(on->rect, knob) << value;
  }
  r.valuetext = "40";
  EXPECT_FALSE(Wrote(Texts([](DrawingContext& c) { DrawSliderControl(c, 0); }), "Error"));
}

TEST_F(ShownValuesTest, SliderScaleIsWrittenInItsValueType) {
  doc.m_slidercontrols.Add();
  SliderControlRecord& r = doc.m_slidercontrols[0];
  r.heightfactor = 12;
  r.valuetype = 1;
  r.topvalue = "FF";
  r.bottomvalue = "0";
  r.tickmarks = 3;
  auto texts = Texts([](DrawingContext& c) { DrawSliderControl(c, 0); });
  for (const char* label : {"0", "7F", "FF"}) EXPECT_TRUE(Wrote(texts, label)) << label;
  r.showvalues = 0;
  texts = Texts([](DrawingContext& c) { DrawSliderControl(c, 0); });
  EXPECT_FALSE(Wrote(texts, "FF"));
}

TEST_F(ShownValuesTest, TimerShowsItsValueInItsTimeFormat) {
  struct Case {
    std::string valuetext;
    int timeformat;
    std::string shown;
  };
  for (const Case& c : {Case{"0:00:00.0", 2, "0:00:00.0"}, Case{"1:30", 1, "1:30:00"}, Case{"0:01:30", 5, "90.0"},
                        Case{"90", 3, "0:01:30.00"}, Case{"1:30:00", 0, "1:30"}, Case{"Overflow", 2, "Overflow"},
                        Case{"Error", 4, "Error"}, Case{"12a", 4, "Error"}, Case{"-5", 4, "Error"},
                        Case{"", 4, "Error"}, Case{"9999999999", 4, "Overflow"}}) {
    EventTimerRecord r;
    r.valuetext = c.valuetext;
    r.timeformat = c.timeformat;
    EXPECT_EQ(ShownTimerText(r), c.shown) << c.valuetext << " in format " << c.timeformat;
  }
}

TEST_F(ShownValuesTest, PIControllerShowsOutputKpKiAndTheReadingsItIsGiven) {
  doc.m_picontrollers.Add();
  PIControllerRecord& r = doc.m_picontrollers[0];
  r.valuetext = "12.5";
  r.kptext = "0.3";
  r.kitext = "0.7";
  const auto texts = Texts([](DrawingContext& c) { DrawPIController(c, 0, {"40", "38.2", std::nullopt}); });
  for (const char* text : {"Set Point", "Value", "Output", "Kp", "Ki", "12.5", "0.3", "0.7", "40", "38.2"})
    EXPECT_TRUE(Wrote(texts, text)) << text;
}

TEST_F(ShownValuesTest, KeypadCaptionsEveryKeyAndShowsTheWindowsValueOrWhatIsTyped) {
  doc.m_inputwindows.Add();
  doc.m_inputwindows[0].valuetext = "17.5";
  const Rect keypad = geometry.ObjectRectInputWindowKeypad(0, {0, 0, 800, 600});
  auto texts = Texts([&](DrawingContext& c) { DrawKeypad(c, 0, keypad); });
  for (const char* caption : {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", ".", "+/-", "C", "Enter"})
    EXPECT_TRUE(Wrote(texts, caption)) << caption;
  EXPECT_TRUE(Wrote(texts, "17.5"));
  InputWindowRunState state;
  state.editing = 1;
  state.edittext = "-3.";
  texts = Texts([&](DrawingContext& c) { DrawKeypad(c, 0, keypad, state); });
  EXPECT_TRUE(Wrote(texts, "-3."));
  EXPECT_FALSE(Wrote(texts, "17.5"));
}

}  // namespace
}  // namespace korvix
