#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "control_canvas.h"
#include "render/controls/slider_control.h"
#include "render/controls/slider_knob.h"

namespace korvix {
namespace {

TEST(SliderPositionTest, FollowsTheValueAndIsPinnedToTheEnds) {
  struct Case {
    double value;
    double bottom;
    double top;
    int expected;
  };
  // The track runs from y 200 (bottom value) up to y 100 (top value).
  for (const Case& c : {Case{0, 0, 100, 200}, Case{100, 0, 100, 100}, Case{50, 0, 100, 150}, Case{25, 0, 100, 175},
                        Case{-30, 0, 100, 200}, Case{1e9, 0, 100, 100}, Case{7, 7, 7, 200}, Case{0, 5, -5, 150},
                        Case{-5, 5, -5, 100}, Case{10, 5, -5, 200}, Case{1, 0, 3, 167}})
    EXPECT_EQ(SliderPosition(c.value, c.bottom, c.top, 200, 100), c.expected)
        << c.value << " in " << c.bottom << ".." << c.top;
}

TEST(SliderNumberTest, ReadsItsValueTypeAndRefusesWhatIsNoNumber) {
  struct Case {
    std::string text;
    int valuetype;
    std::optional<double> expected;
  };
  for (const Case& c : {Case{"50", 0, 50}, Case{"-5", 0, -5}, Case{"12.5", 0, 12.5}, Case{"FF", 1, 255},
                        Case{"-1a", 1, -26}, Case{"101", 2, 5}, Case{"Error", 0, std::nullopt},
                        Case{"Overflow", 1, std::nullopt}, Case{"", 0, std::nullopt}, Case{"12a", 0, std::nullopt},
                        Case{"2", 2, std::nullopt}, Case{"-", 0, std::nullopt}, Case{"99999999999", 0, std::nullopt}})
    EXPECT_EQ(SliderNumber(c.text, c.valuetype), c.expected) << c.text << " type " << c.valuetype;
}

class SliderKnobTest : public ::testing::TestWithParam<int> {
protected:
  SliderKnobTest() {
    canvas.view.SetFontFactor(GetParam());
    index = canvas.doc.m_slidercontrols.Add();
    canvas.doc.m_slidercontrols[index].x = 20;
    canvas.doc.m_slidercontrols[index].y = 10;
  }
  SliderControlRecord& Slider() { return canvas.doc.m_slidercontrols[index]; }
  Rect Knob() const { return ObjectRectSliderKnob(canvas.doc, canvas.view, index); }

  ControlCanvas canvas;
  int index = 0;
};

TEST_P(SliderKnobTest, SliderRectangleIsTheObjectsAndLeavesTheRecordAlone) {
  Slider().x = -4;
  canvas.states.At(ScreenObjectKind::SliderControl, index).screenrect = {1, 2, 3, 4};
  const Rect own = SliderControlRect(Slider(), canvas.view);
  EXPECT_EQ(Slider().x, -4);
  EXPECT_EQ(canvas.states.At(ScreenObjectKind::SliderControl, index).screenrect, (Rect{1, 2, 3, 4}));
  EXPECT_EQ(own, canvas.geometry.ObjectRectSliderControl(index));
}

TEST_P(SliderKnobTest, KnobMovesWithTheValueAndStaysOnTheTrack) {
  const Rect slider = SliderControlRect(Slider(), canvas.view);
  const SliderTrack track = SliderTrackOf(Slider(), canvas.view);
  const int cw = 16 * GetParam();
  int previous = track.ybottom + 1;
  for (const char* value : {"-50", "0", "30", "70", "100", "250"}) {
    Slider().valuetext = value;
    const Rect knob = Knob();
    const int centre = (knob.top + knob.bottom) / 2;
    EXPECT_TRUE(Inside(knob, slider)) << value;
    EXPECT_EQ(Width(knob), 2 * cw);
    EXPECT_LE(std::abs(knob.left + knob.right - (slider.left + slider.right)), 1) << "centred";
    EXPECT_GE(centre, track.ytop) << value;
    EXPECT_LE(centre, track.ybottom) << value;
    EXPECT_LE(centre, previous) << value;
    previous = centre;
  }
  Slider().valuetext = "-50";
  const Rect below = Knob();
  Slider().valuetext = "0";
  EXPECT_EQ(Knob(), below);
  Slider().valuetext = "250";
  const Rect above = Knob();
  Slider().valuetext = "100";
  EXPECT_EQ(Knob(), above);
}

TEST_P(SliderKnobTest, KnobIsDrawnOnItsRectangle) {
  for (const char* value : {"-50", "40", "250", "Error"}) {
    Slider().valuetext = value;
    canvas.Clear();
    canvas.Paint([&](DrawingContext& c) { DrawSliderControl(c, index); });
    const Rect knob = Knob();
    EXPECT_EQ(canvas.At(knob.left, knob.top), Grey(255)) << value;
    EXPECT_EQ(canvas.At(knob.right - 1, knob.bottom - 1), Grey(51)) << value;
    EXPECT_EQ(canvas.At(knob.left + 1, knob.top - 1), Grey(153)) << value << ": face above the knob";
  }
}

TEST_P(SliderKnobTest, ZeroSpanAndReversedRangesKeepTheKnobOnTheTrack) {
  const SliderTrack track = SliderTrackOf(Slider(), canvas.view);
  const auto centre = [&] { return (Knob().top + Knob().bottom) / 2; };
  Slider().topvalue = "5";
  Slider().bottomvalue = "5";
  Slider().valuetext = "5";
  EXPECT_EQ(centre(), track.ybottom);
  Slider().topvalue = "-5";
  Slider().bottomvalue = "5";
  Slider().valuetext = "-5";
  EXPECT_EQ(centre(), track.ytop);
  Slider().valuetype = 1;
  Slider().topvalue = "FF";
  Slider().bottomvalue = "0";
  Slider().valuetext = "FF";
  EXPECT_EQ(centre(), track.ytop);
}

INSTANTIATE_TEST_SUITE_P(AtFontSizes, SliderKnobTest, ::testing::Values(1, 3),
                         [](const ::testing::TestParamInfo<int>& test) {
                           std::string name = "X";
                           name += std::to_string(test.param);
                           return name;
                         });

}  // namespace
}  // namespace korvix
