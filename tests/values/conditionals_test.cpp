#include <gtest/gtest.h>

#include "values_fixture.h"

namespace korvix::testing {
namespace {

class ConditionalsTest : public ValuesFixture, public ::testing::Test {
protected:
  ConditionalEngine& engine = values.Conditionals();
  const std::string action = "High" + std::string(1, kActionScriptMarker);
};

TEST_F(ConditionalsTest, ATrueResultStartsTheScriptOnceUntilAFalseResultRearms) {
  ConditionalRecord& high = AddConditional("High", "{Tank} > 50");
  VariableRecord& tank = Add(doc.m_variables, "Tank");
  const struct {
    const char* value;
    size_t starts;
    int armed;
  } steps[] = {{"60", 1, 0}, {"70", 1, 0}, {"40", 1, 1}, {"55", 2, 0}};
  for (const auto& step : steps) {
    tank.valuetext = step.value;
    engine.RunConditionalsFor("tank");
    EXPECT_EQ(hooks.scriptsrun.size(), step.starts) << step.value;
    EXPECT_EQ(high.armed, step.armed) << step.value;
  }
  EXPECT_EQ(hooks.scriptsrun.back(), action);
}

TEST_F(ConditionalsTest, OnlyConditionalsThatNameTheLabelAreLookedAt) {
  ConditionalRecord& high = AddConditional("High", "{Tank} > 50");
  Add(doc.m_variables, "Tank").valuetext = "60";
  engine.RunConditionalsFor("Pump");
  EXPECT_TRUE(hooks.scriptsrun.empty());
  EXPECT_EQ(high.actionstarted, 0);
}

TEST_F(ConditionalsTest, ARunningOrMissingActionScriptLeavesTheConditionalPending) {
  ConditionalRecord& high = AddConditional("High", "{Tank} > 50");
  Add(doc.m_variables, "Tank").valuetext = "60";
  doc.m_scripts[0].isrunning = 1;
  engine.RunConditionalsFor("Tank");
  EXPECT_EQ(high.actionstarted, 1);
  EXPECT_TRUE(hooks.scriptsrun.empty());

  doc.m_scripts[0].isrunning = 0;
  engine.PollConditionals();
  EXPECT_EQ(hooks.scriptsrun.size(), 1u);
  EXPECT_EQ(high.actionstarted, 1);  // started: looked at again next pass

  doc.m_scripts.Remove(0);
  high.armed = 1;
  engine.PollConditionals();
  EXPECT_EQ(hooks.scriptsrun.size(), 1u);
  EXPECT_EQ(high.actionstarted, 1);
}

TEST_F(ConditionalsTest, TheStartSweepEvaluatesEveryConditionalOnce) {
  AddConditional("High", "{Tank} > 50");
  AddConditional("Low", "{Tank} < 10");
  ConditionalRecord& high = doc.m_conditionals[0];
  ConditionalRecord& low = doc.m_conditionals[1];
  Add(doc.m_variables, "Tank").valuetext = "60";
  high.actionstarted = low.actionstarted = 0;
  low.armed = 0;
  engine.PollConditionals();
  EXPECT_TRUE(hooks.scriptsrun.empty());
  engine.PollConditionals(ConditionalSweep::Every);
  EXPECT_EQ(hooks.scriptsrun, std::vector<std::string>{action});
  EXPECT_EQ(low.armed, 1);
  EXPECT_EQ(low.actionstarted, 0);
}

TEST_F(ConditionalsTest, AnExpressionWithBadInputIsFalseAndRearms) {
  ConditionalRecord& broken = AddConditional("High", "{Tank} >");
  broken.armed = 0;
  Add(doc.m_variables, "Tank").valuetext = "60";
  engine.RunConditionalsFor("Tank");
  EXPECT_TRUE(hooks.scriptsrun.empty());
  EXPECT_EQ(broken.armed, 1);
}

}  // namespace
}  // namespace korvix::testing
