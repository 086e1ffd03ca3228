#include <gtest/gtest.h>

#include "comms/com_link.h"
#include "fake_com_link_host.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/testing/recording_message_sink.h"
#include "texts/number_texts.h"

namespace korvix::testing {
namespace {

// The after-send hook needs no line: it reads only the sent text.
class Mirror : public ::testing::Test {
protected:
  static SliderMirror Slider() {
    SliderMirror s;
    s.command = "AS";
    s.valuetext = "10";
    s.topvalue = "100";
    s.bottomvalue = "0";
    s.idlabel = "Speed";
    s.link = "{target}";
    s.oncurrentpage = true;
    return s;
  }
  static RockerMirror Rocker() {
    RockerMirror r;
    r.command1 = "BU";
    r.command2 = "BD";
    r.statetext = "5";
    r.uplimit = "100";
    r.downlimit = "0";
    r.link = "lamp";
    return r;
  }

  FakeComLinkHost host;
  RecordingMessageSink sink;
  MemoryProfile profile;
  MonotonicClock clock;
  NumberTexts numbers;
  ComLink link{PeersOf(host), host.run, sink, clock, profile, numbers};
};

TEST_F(Mirror, ASliderFollowsACommandSentWithItsPrefix) {
  host.sliders = {Slider()};
  link.MirrorSentSliderValue("AS42");
  EXPECT_EQ(host.sliders[0].valuetext, "42");
  EXPECT_EQ(host.delivered, (std::vector<std::pair<std::string, std::string>>{{"<{target}>", "42"}}));
  EXPECT_EQ(host.invalidated_sliders, std::vector<int>{0});
  EXPECT_EQ(host.modified, 0);  // linked: the link's target holds the value
  EXPECT_TRUE(host.popups.empty());
}

TEST_F(Mirror, LeavesSlidersAloneForOtherTexts) {
  for (const char* sent : {"AS", "AS10", "BS42", "A", "aS42"}) {
    host.sliders = {Slider()};
    link.MirrorSentSliderValue(sent);
    EXPECT_EQ(host.sliders[0].valuetext, "10") << sent;
  }
  EXPECT_TRUE(host.delivered.empty());
}

TEST_F(Mirror, AValueOutsideTheRangeBecomesErrorWithAPopup) {
  SliderMirror reversed = Slider();
  std::swap(reversed.topvalue, reversed.bottomvalue);  // limits in either order
  reversed.link = "";
  host.sliders = {Slider(), reversed};
  link.MirrorSentSliderValue("AS101");
  EXPECT_EQ(host.sliders[0].valuetext, "Error");
  EXPECT_EQ(host.sliders[1].valuetext, "Error");
  ASSERT_EQ(host.popups.size(), 2u);
  EXPECT_EQ(host.popups[0].first, "Slider Control Error");
  EXPECT_EQ(host.popups[0].second,
            "The Slider Control Speed has been set \routside of its range and will not operate.");
  EXPECT_EQ(host.modified, 1);  // only the unlinked one

  host.sliders = {Slider()};
  host.popups.clear();
  link.MirrorSentSliderValue("AS99.5");
  EXPECT_EQ(host.sliders[0].valuetext, "99.5");
  EXPECT_TRUE(host.popups.empty());
}

TEST_F(Mirror, APaddedDecimalSliderComparesPaddedValues) {
  SliderMirror padded = Slider();
  padded.zeropadding = true;
  padded.valuetext = "007";
  host.sliders = {padded};
  link.MirrorSentSliderValue("AS7");
  EXPECT_TRUE(host.delivered.empty());  // the same value, padded
  link.MirrorSentSliderValue("AS8");
  EXPECT_EQ(host.sliders[0].valuetext, "008");
}

TEST_F(Mirror, AHexSliderReadsItsRangeInHex) {
  SliderMirror hex = Slider();
  hex.valuetype = 1;
  hex.topvalue = "FF";
  host.sliders = {hex};
  link.MirrorSentSliderValue("ASC8");
  EXPECT_EQ(host.sliders[0].valuetext, "C8");
  link.MirrorSentSliderValue("AS100");
  EXPECT_EQ(host.sliders[0].valuetext, "Error");
}

TEST_F(Mirror, RockerSwitchesFollowEitherPositionUnlessTheyHoldNoValue) {
  RockerMirror unlinked = Rocker();
  unlinked.link = "";
  RockerMirror novalue = Rocker();
  novalue.initmode = 2;
  host.rockers = {Rocker(), unlinked, novalue};
  link.MirrorSentSliderValue("BD3");
  EXPECT_EQ(host.rockers[0].statetext, "3");
  EXPECT_EQ(host.rockers[1].statetext, "3");
  EXPECT_EQ(host.rockers[2].statetext, "5");
  EXPECT_EQ(host.delivered, (std::vector<std::pair<std::string, std::string>>{{"<lamp>", "3"}, {"<>", "3"}}));
  EXPECT_EQ(host.modified, 1);
  link.MirrorSentSliderValue("BU7");
  EXPECT_EQ(host.rockers[0].statetext, "7");
  EXPECT_TRUE(host.popups.empty());  // no range check for switches
}

}  // namespace
}  // namespace korvix::testing
