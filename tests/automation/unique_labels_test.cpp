#include "automation/unique_labels.h"

#include <gtest/gtest.h>

namespace korvix {
namespace {

TEST(MakeUniqueLabel, KeepsTheLabelWhenFreeElseAppendsTheFirstFreeNumber) {
  struct Case {
    std::vector<std::string> taken;
    std::string label;
    int leaveout;
    std::string want;
  } cases[] = {
      {{"Pump"}, "Pump", 5, "Pump1"},         {{"Pump", "Pump1"}, "Pump", 5, "Pump2"},
      {{"PUMP"}, "pump", 5, "pump1"},         {{"Tank1"}, "Tank 1", 5, "Tank 11"},
      {{"Tank1"}, "Tank1", 5, "Tank11"},      {{"Pump", "Other"}, "Pump", 0, "Pump"},
      {{"Pump", "pump"}, "Pump", 0, "Pump1"}, {{}, "Pump", 0, "Pump"},
  };
  for (const Case& c : cases) {
    VariableList variables;
    ScriptList scripts;
    ConditionalList conditionals;
    for (const std::string& label : c.taken) {
      VariableRecord variable;
      variable.idlabel = label;
      variables.Add(variable);
      ScriptRecord script;
      script.idlabel = label;
      scripts.Add(script);
      ConditionalRecord conditional;
      conditional.idlabel = label;
      conditionals.Add(conditional);
    }
    EXPECT_EQ(MakeUniqueLabel(variables, c.label, c.leaveout), c.want) << c.label;
    EXPECT_EQ(MakeUniqueLabel(scripts, c.label, c.leaveout), c.want) << c.label;
    EXPECT_EQ(MakeUniqueLabel(conditionals, c.label, c.leaveout), c.want) << c.label;
  }
}

TEST(MakeUniqueLabel, HiddenActionScriptsCount) {
  ScriptList scripts;
  ScriptRecord action;
  action.idlabel = std::string("Alarm") + kActionScriptMarker;
  scripts.Add(action);
  const std::string label = std::string("alarm") + kActionScriptMarker;
  EXPECT_EQ(MakeUniqueLabel(scripts, label, 9), label + "1");
}

}  // namespace
}  // namespace korvix
