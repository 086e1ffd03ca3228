#include "automationedit/variable_properties.h"

#include <gtest/gtest.h>

#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

constexpr int kNumber = 0;
constexpr int kText = 1;
constexpr int kCounter = 2;
constexpr int kTimer = 3;

TEST(VariableProperties, DecimalsFollowTheFormat) {
  struct Case {
    int format;
    bool atstart;
    int decimals;
    bool choosable;
  } cases[] = {
      {kNumber, true, 3, true},   {kNumber, false, 0, true}, {kText, true, 0, false},
      {kCounter, true, 0, false}, {kTimer, true, 2, false},  {kTimer, false, 2, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecimalsForFormat(c.format, 3, c.atstart), c.decimals) << c.format << " " << c.atstart;
    EXPECT_EQ(DecimalsChoosable(c.format), c.choosable) << c.format;
  }
  VariableRecord timer;
  timer.valueformat = kTimer;
  timer.decimals = 5;
  EXPECT_EQ(VariableFieldsOf(timer).m_decimalsel, 2);
}

TEST(VariableProperties, OkRefusesAnotherVariablesLabelAndBadLabels) {
  CKorvixDoc doc;
  for (const char* label : {"Tank", "Level"}) {
    VariableRecord variable;
    variable.idlabel = label;
    doc.m_variables.Add(variable);
  }
  struct Case {
    std::string label;
    int index;
    bool accepted;
    std::string message;
    std::string stored;
  } cases[] = {
      {"tank", 1, false,
       "Entry Error: The ID Label \"tank\" already exists. You \rmust rename the Variable before continuing.", ""},
      {" T ank ", 1, false,
       "Entry Error: The ID Label \"T ank\" already exists. You \rmust rename the Variable before continuing.", ""},
      {"tank", 0, true, "", "tank"},
      {"\t Pump \r\n", 1, true, "", "Pump"},
      {"a,b", 1, false, "", ""},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    VariableFields fields = VariableFieldsOf(doc.m_variables[c.index]);
    fields.m_idlabel = c.label;
    EXPECT_EQ(CheckVariableFields(sink, doc, c.index, fields), c.accepted) << c.label;
    if (c.accepted) {
      EXPECT_TRUE(sink.shown.empty());
      EXPECT_EQ(fields.m_idlabel, c.stored);
    } else {
      ASSERT_EQ(sink.shown.size(), 1u) << c.label;
      if (!c.message.empty()) {
        EXPECT_EQ(sink.shown[0].caption + ": " + sink.shown[0].text, c.message);
      }
    }
  }
}

TEST(VariableProperties, OkRestartsTheValueInItsFormat) {
  struct Case {
    int format;
    int decimals;
    std::string value;
  } cases[] = {
      {kNumber, 2, "0.00"},
      {kText, 0, ""},
      {kCounter, 0, "0"},
      {kTimer, 2, "0:00:00.00"},
  };
  for (const Case& c : cases) {
    CKorvixDoc doc;
    VariableRecord variable;
    variable.idlabel = "Tank";
    variable.valuetext = "42";
    variable.logcolumn = 3;
    doc.m_variables.Add(variable);
    VariableRunStates states;
    states[0].timerelapsed = 900;
    VariableFields fields{"Tank", c.decimals, c.format, 0};
    StoreVariableFields(doc, states, 0, fields);
    const VariableRecord& stored = doc.m_variables[0];
    EXPECT_EQ(stored.valuetext, c.value) << c.format;
    EXPECT_EQ(stored.valueformat, c.format);
    EXPECT_EQ(stored.decimals, c.decimals);
    EXPECT_EQ(stored.resetonrun, 0);
    EXPECT_EQ(states[0].timerelapsed, 0);
    EXPECT_EQ(stored.logcolumn, 3);
    EXPECT_TRUE(doc.IsModified());
  }
}

TEST(VariableProperties, AddVariableTakesTheNewVariableValues) {
  CKorvixDoc doc;
  VariableRecord old;
  old.idlabel = "Variable1";
  doc.m_variables.Add(old);
  VariableRunStates states;
  const int index = AddVariable(doc, states);
  ASSERT_EQ(index, 1);
  const VariableRecord& added = doc.m_variables[index];
  EXPECT_EQ(added.idlabel, "Variable2");
  EXPECT_EQ(added.valueformat, 0);
  EXPECT_EQ(added.decimals, 0);
  EXPECT_EQ(added.valuetext, "0");
  EXPECT_EQ(added.resetonrun, 1);
  EXPECT_EQ(added.logcolumn, kNoLogColumn);
  EXPECT_FALSE(doc.IsModified());
}

// The run-time states sit beside the Variables by index: a removed
// Variable's goes with it, and a new one starts with none of another's.
TEST(VariableProperties, RunTimeStatesFollowTheirVariables) {
  CKorvixDoc doc;
  VariableRunStates states;
  for (const char* label : {"A", "B"}) {
    VariableRecord variable;
    variable.idlabel = label;
    doc.m_variables.Add(variable);
  }
  states[1].ddelink = 1;
  states[1].ddelast = "5";
  DeleteVariable(doc, states, 0);
  ASSERT_EQ(doc.m_variables.Count(), 1);
  EXPECT_EQ(states[0].ddelink, 1);
  EXPECT_EQ(states[0].ddelast, "5");
  states[1].ddelink = 1;
  ASSERT_EQ(AddVariable(doc, states), 1);
  EXPECT_EQ(states[1].ddelink, 0);
}

}  // namespace
}  // namespace korvix
