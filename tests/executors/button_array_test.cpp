#include <gtest/gtest.h>

#include "executors_fixture.h"

namespace korvix::testing {
namespace {

class ButtonArrays : public ExecutorsFixture, public ::testing::Test {
protected:
  ButtonArrayRecord& AddArray(const std::string& label) {
    ButtonArrayRecord& array = doc.m_buttonarrays[doc.m_buttonarrays.Add()];
    array.idlabel = label;
    array.buttons.Clear();
    return array;
  }
  void AddButton(ButtonArrayRecord& array, const std::string& title, int action, const std::string& param,
                 const std::string& second = "") {
    ButtonArrayButton& button = array.buttons[array.buttons.Add()];
    button.title = title;
    button.action = action;
    button.param = param;
    button.second = second;
  }
};

TEST_F(ButtonArrays, EachSubButtonRunsItsOwnActionInTurn) {
  AddVariable("v");
  ButtonArrayRecord& array = AddArray("modes");
  array.executeonchange = 1;
  AddButton(array, "Low", 19, "v", "1");
  AddButton(array, "High", 19, "v", "2");
  AddButton(array, "Send", 0, "BGO");
  executors.Arrays().SelectSubButton(0, 0);
  Pass();
  EXPECT_EQ(Value("v"), "1");
  EXPECT_FALSE(executors.Arrays().IsRunning(0));
  executors.Arrays().SelectSubButton(0, 1);
  Pass();
  EXPECT_EQ(Value("v"), "2");
  executors.Arrays().SelectSubButton(0, 2);
  Pass();
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"BGO"});
  EXPECT_EQ(Value("modes"), "Send");
}

TEST_F(ButtonArrays, SetButtonArrayLightsTheNamedSubButtonOnly) {
  ButtonArrayRecord& array = AddArray("modes");
  AddButton(array, "Low", 19, "v", "1");
  AddButton(array, "High", 19, "v", "2");
  AddScript("s", {Step(30, "modes", "High")});
  executors.RunScriptByName("s");
  Pass();
  EXPECT_EQ(doc.m_buttonarrays[0].buttons[0].isdown, 0);
  EXPECT_EQ(doc.m_buttonarrays[0].buttons[1].isdown, 1);
  EXPECT_EQ(Value("modes"), "High");
  // Without "Execute if selection is changed" nothing runs.
  EXPECT_FALSE(executors.Arrays().IsRunning(0));
}

TEST_F(ButtonArrays, AWaitingActionKeepsTheArrayRunningAndAScriptWaitsForIt) {
  AddVariable("after");
  ButtonArrayRecord& array = AddArray("timed");
  AddButton(array, "Wait", 2, "100");
  array.buttons[0].isdown = 1;
  AddScript("s", {Step(10, "timed"), Step(12, "timed"), Mark("after", "1")});
  executors.RunScriptByName("s");
  PassFor(50);
  EXPECT_TRUE(executors.Arrays().IsRunning(0));
  EXPECT_EQ(Value("after"), "0");
  PassFor(80);
  EXPECT_FALSE(executors.Arrays().IsRunning(0));
  EXPECT_EQ(Value("after"), "1");
}

TEST_F(ButtonArrays, AnActionCodeOutsideItsNumberingIsReported) {
  ButtonArrayRecord& array = AddArray("bad");
  AddButton(array, "Odd", 41, "");
  array.buttons[0].isdown = 1;
  executors.StartButtonArray("bad");
  Pass();
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("action code \"41\""), std::string::npos);
  EXPECT_FALSE(executors.Arrays().IsRunning(0));
}

}  // namespace
}  // namespace korvix::testing
