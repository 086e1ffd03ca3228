#include <gtest/gtest.h>

#include "executors_fixture.h"

namespace korvix::testing {
namespace {

// Appends digit d to the Variable "trace", so the order of the steps that
// ran reads as a number.
ScriptStep Trace(int d) { return Mark("trace", "{trace}*10+" + std::to_string(d)); }

class ScriptFlow : public ExecutorsFixture, public ::testing::Test {
protected:
  std::string RunToEnd(const std::vector<ScriptStep>& steps) {
    AddVariable("trace");
    AddScript("s", steps);
    executors.RunScriptByName("s");
    for (int i = 0; i < 50 && Running("s"); ++i) Pass();
    EXPECT_FALSE(Running("s"));
    return Value("trace");
  }
};

TEST_F(ScriptFlow, IfElseIfElseTakeTheFirstTrueBranch) {
  struct Case {
    const char* x;
    const char* trace;
  };
  for (const Case& c : {Case{"1", "19"}, Case{"2", "29"}, Case{"3", "39"}}) {
    doc.m_scripts.Clear();
    doc.m_variables.Clear();
    AddVariable("x", c.x);
    const std::string trace = RunToEnd(
        {Step(100, "{x} = 1"), Trace(1), Step(101, "{x} = 2"), Trace(2), Step(102), Trace(3), Step(103), Trace(9)});
    EXPECT_EQ(trace, c.trace) << "x = " << c.x;
  }
}

TEST_F(ScriptFlow, NestedIfInsideASkippedBranchIsSkippedWhole) {
  AddVariable("x", "0");
  EXPECT_EQ(RunToEnd({Step(100, "{x} = 1"), Step(100, "{x} = 0"), Trace(1), Step(102), Trace(2), Step(103), Step(102),
                      Trace(3), Step(103), Trace(9)}),
            "39");
}

TEST_F(ScriptFlow, LoopRunsItsCountAndExitLoopIfLeavesEarly) {
  EXPECT_EQ(RunToEnd({Step(104, "3"), Trace(1), Step(106), Trace(9)}), "1119");
  doc.m_scripts.Clear();
  doc.m_variables.Clear();
  AddVariable("n", "0");
  EXPECT_EQ(RunToEnd({Step(104), Mark("n", "{n}+1"), Step(105, "{n} = 4"), Trace(1), Step(106), Trace(9)}), "1119");
  EXPECT_EQ(Value("n"), "4");
}

TEST_F(ScriptFlow, NestedLoopsCountAfresh) {
  EXPECT_EQ(RunToEnd({Step(104, "2"), Trace(1), Step(104, "2"), Trace(2), Step(106), Step(106)}), "122122");
}

TEST_F(ScriptFlow, ExitScriptEndsTheScript) { EXPECT_EQ(RunToEnd({Trace(1), Step(43), Trace(2)}), "1"); }

TEST_F(ScriptFlow, ALoopWithoutWaitsNeverHoldsThePass) {
  AddScript("forever", {Step(104), Step(0, "", ""), Step(106)});
  executors.RunScriptByName("forever");
  Pass();
  EXPECT_TRUE(Running("forever"));
}

TEST_F(ScriptFlow, BrokenStepListsEndInAMessage) {
  struct Case {
    std::vector<ScriptStep> steps;
    const char* caption;
    const char* text;
  };
  const std::vector<Case> cases = {
      {{Step(104, "2"), Trace(1)}, "Operational Error", "holds a Loop without an End Loop"},
      {{Step(104, "two"), Step(106)}, "Operational Error", "number of Loop cycles"},
      {{Step(77)}, "Operational Error", "step code \"77\""},
      {{Step(2, "soon")}, "Operational Error", "pause \"soon\""},
      {{Step(25, "7")}, "Illegal Operation", "There is no page 7"},
      {{Step(40, "pi", "fifty")}, "Operational Error", "set point \"fifty\""},
  };
  for (const Case& c : cases) {
    doc.m_scripts.Clear();
    doc.m_variables.Clear();
    sink.shown.clear();
    RunToEnd(c.steps);
    ASSERT_EQ(sink.shown.size(), 1u) << c.text;
    EXPECT_EQ(sink.shown[0].caption, c.caption);
    EXPECT_NE(sink.shown[0].text.find(c.text), std::string::npos) << sink.shown[0].text;
  }
}

TEST_F(ScriptFlow, AScriptNamingNothingHaltsTheRunLoop) {
  RunToEnd({Step(4, "NoSuchScript"), Trace(1)});
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Illegal Operation");
  EXPECT_NE(sink.shown[0].text.find("\"NoSuchScript\""), std::string::npos);
  EXPECT_EQ(hooks.halts, 1);
  EXPECT_EQ(Value("trace"), "0");
}

TEST_F(ScriptFlow, ALampLabelOfAnotherKindStillHalts) {
  AddVariable("notalamp");
  RunToEnd({Step(16, "notalamp")});
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_NE(sink.shown[0].text.find("is not the ID Label of a Signal Lamp"), std::string::npos);
  EXPECT_EQ(hooks.halts, 1);
}

class ScriptWaits : public ExecutorsFixture, public ::testing::Test {};

TEST_F(ScriptWaits, APauseHoldsOnlyItsScript) {
  AddVariable("a");
  AddVariable("b");
  AddScript("paused", {Step(2, "200"), Mark("a", "1")});
  AddScript("busy", {Step(104), Mark("b", "{b}+1"), Step(2, "10"), Step(106)});
  executors.RunScriptByName("paused");
  executors.RunScriptByName("busy");
  PassFor(190);
  EXPECT_EQ(Value("a"), "0");
  EXPECT_TRUE(Running("paused"));
  EXPECT_GE(std::stoi(Value("b")), 15);
  PassFor(20);
  EXPECT_EQ(Value("a"), "1");
  EXPECT_FALSE(Running("paused"));
}

TEST_F(ScriptWaits, PauseHrsMinSecReadsATimeText) {
  AddVariable("a");
  AddScript("s", {Step(33, "0:01"), Mark("a", "1")});
  executors.RunScriptByName("s");
  PassFor(59990);
  EXPECT_EQ(Value("a"), "0");
  PassFor(20);
  EXPECT_EQ(Value("a"), "1");
}

TEST_F(ScriptWaits, WaitForThisDataResumesWhenTheDataArrives) {
  AddVariable("a");
  AddScript("s", {Step(1, "READY"), Mark("a", "1")});
  executors.RunScriptByName("s");
  PassFor(100);
  hooks.rxbuffer = "Bnothing\r";
  PassFor(100);
  EXPECT_EQ(Value("a"), "0");
  hooks.rxbuffer = "BREADY\r";
  PassFor(20);
  EXPECT_EQ(Value("a"), "1");
}

TEST_F(ScriptWaits, TransmitCommandDeliversTheReplyToItsLabel) {
  AddVariable("reading", "none");
  AddVariable("after");
  AddScript("s", {Step(0, "ARD", "reading"), Mark("after", "{after}+1")});
  executors.RunScriptByName("s");
  Pass();
  ASSERT_EQ(hooks.sent, std::vector<std::string>{"ARD"});
  EXPECT_EQ(Value("after"), "0");
  hooks.rxbuffer = "A1234\r";
  Pass();
  Pass();
  EXPECT_EQ(Value("reading"), "A1234");
  EXPECT_EQ(Value("after"), "1");
}

TEST_F(ScriptWaits, NoSecondCommandGoesToAnAddressThatOwesAReply) {
  AddScript("first", {Step(0, "ARD", "Discard")});
  AddScript("second", {Step(0, "AXX", "")});
  executors.RunScriptByName("first");
  executors.RunScriptByName("second");
  PassFor(50);
  EXPECT_EQ(hooks.sent, std::vector<std::string>{"ARD"});
  hooks.rxbuffer = "A1\r";
  PassFor(20);
  EXPECT_EQ(hooks.sent, (std::vector<std::string>{"ARD", "AXX"}));
  EXPECT_FALSE(Running("first"));
  EXPECT_FALSE(Running("second"));
}

TEST_F(ScriptWaits, AReplyThatNeverComesEndsInError) {
  AddVariable("reading", "none");
  AddScript("s", {Step(0, "ARD", "reading")});
  values.State().m_transmittimeout = 1000;
  executors.RunScriptByName("s");
  PassFor(1100);
  EXPECT_EQ(Value("reading"), "Error");
  EXPECT_FALSE(Running("s"));
}

TEST_F(ScriptWaits, WaitScriptEndWaitsForTheOtherScript) {
  AddVariable("a");
  AddScript("slow", {Step(2, "100")});
  AddScript("s", {Step(4, "slow"), Step(6, "slow"), Mark("a", "1")});
  executors.RunScriptByName("s");
  PassFor(90);
  EXPECT_EQ(Value("a"), "0");
  PassFor(30);
  EXPECT_EQ(Value("a"), "1");
}

TEST_F(ScriptWaits, AConditionalStartsItsScriptOnceUntilItWasFalse) {
  AddVariable("level", "0");
  AddVariable("starts");
  ConditionalRecord& conditional = doc.m_conditionals[doc.m_conditionals.Add()];
  conditional.idlabel = "high";
  conditional.expression = "{level} > 5";
  conditional.armed = 1;
  AddScript(std::string("high") + kActionScriptMarker, {Mark("starts", "{starts}+1")});
  const auto deliver = [&](const char* value) {
    values.DeliverLabelValue("level", value);
    PassFor(30);
    values.PollConditionals();
    PassFor(30);
  };
  deliver("9");
  EXPECT_EQ(Value("starts"), "1");
  deliver("8");
  deliver("7");
  EXPECT_EQ(Value("starts"), "1");
  deliver("1");
  deliver("9");
  EXPECT_EQ(Value("starts"), "2");
}

}  // namespace
}  // namespace korvix::testing
