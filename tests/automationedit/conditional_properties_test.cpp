#include "automationedit/conditional_properties.h"

#include <gtest/gtest.h>

#include "automationedit/action_scripts.h"
#include "platform/testing/recording_message_sink.h"
#include "properties/name_list.h"

namespace korvix {
namespace {

constexpr const char* kTakenAtClose =
    "Entry Error: The ID Label \"alarm\" already exists. You \rmust rename the Conditional before continuing.";
constexpr const char* kTakenAtEditScript =
    "Entry Error: The Object ID Label \"alarm\" already exists. You \rmust rename the Conditional before "
    "continuing.";
const std::string kA0(1, kActionScriptMarker);

VariableRecord NamedVariable(const char* label) {
  VariableRecord variable;
  variable.idlabel = label;
  return variable;
}

std::vector<std::string> Messages(const RecordingMessageSink& sink) {
  std::vector<std::string> texts;
  for (const auto& shown : sink.shown) texts.push_back(shown.caption + ": " + shown.text);
  return texts;
}

TEST(ConditionalProperties, CloseChecksInOrderAndShowsTheCleanedFields) {
  CKorvixDoc doc;
  doc.m_variables.Add(NamedVariable("Tank"));
  const std::string namelist = BuildNameList(doc);
  struct Case {
    const char* what;
    ConditionalFields fields;
    std::vector<MessageResult> answers;
    std::optional<ConditionalField> focus;
    std::vector<std::string> messages;
    ConditionalFields shown;
  } cases[] = {
      {"cleaned and accepted", {" Alarm\t", "a>=b and c<>d"}, {}, std::nullopt, {}, {"Alarm", "a >= b AND c <> d"}},
      {"two lines", {"Alarm", "{a} > 1 \r\n or {b} < 2"}, {}, std::nullopt, {}, {"Alarm", "{a} > 1\r\nOR {b} < 2"}},
      {"no expression",
       {"Alarm", "  "},
       {},
       ConditionalField::Expression,
       {"Entry Error: Conditional must contain an expression."},
       {"Alarm", ""}},
      {"the expression before anything else of the document",
       {"Alarm", "{Tank} >"},
       {},
       ConditionalField::Expression,
       {"Entry Error: The expression is missing a right-side operand."},
       {"Alarm", "{Tank} >"}},
      {"a bad label",
       {"12", "{a} = 1"},
       {},
       ConditionalField::IdLabel,
       {"Entry Error: ID label must contain at least one non-numerical character."},
       {"12", "{a} = 1"}},
      {"a long label",
       {std::string(71, 'x'), "{a} = 1"},
       {},
       ConditionalField::IdLabel,
       {"Entry Error: Please enter no more than 70 characters."},
       {std::string(71, 'x'), "{a} = 1"}},
      {"a long expression",
       {"Alarm", "{a} = " + std::string(995, '1')},
       {},
       ConditionalField::Expression,
       {"Entry Error: Please enter no more than 1000 characters."},
       {"Alarm", "{a} = " + std::string(995, '1')}},
      {"an unbraced label, going back",
       {"Alarm", "Tank > 5"},
       {MessageResult::Yes},
       ConditionalField::Expression,
       {"Possible Entry Error: Your text contains the ID label \"Tank\". \rIf "
        "intending to use the value of this object, \renclose it in curly braces "
        "like this {Tank}. \rDo you wish to go back and edit?"},
       {"Alarm", "Tank > 5"}},
      {"an unbraced label, going on",
       {"Alarm", "Tank > 5"},
       {MessageResult::No},
       std::nullopt,
       {"*"},
       {"Alarm", "Tank > 5"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RecordingMessageSink sink;
    sink.answers.assign(c.answers.begin(), c.answers.end());
    ConditionalFields fields = c.fields;
    EXPECT_EQ(CheckConditionalFields(sink, fields, namelist), c.focus);
    if (c.messages == std::vector<std::string>{"*"})
      EXPECT_EQ(sink.shown.size(), 1u);
    else
      EXPECT_EQ(Messages(sink), c.messages);
    EXPECT_EQ(fields.m_idlabel, c.shown.m_idlabel);
    EXPECT_EQ(fields.m_expression, c.shown.m_expression);
  }
}

TEST(ConditionalProperties, EditScriptChecksTheLabelAsTyped) {
  RecordingMessageSink sink;
  EXPECT_EQ(CheckEditScriptFields(sink, {" Alarm ", "anything >"}), std::nullopt);
  EXPECT_EQ(CheckEditScriptFields(sink, {" {Alarm} ", ""}), ConditionalField::IdLabel);
  EXPECT_EQ(CheckEditScriptFields(sink, {"Alarm", std::string(1001, 'x')}), ConditionalField::Expression);
  EXPECT_EQ(sink.shown.size(), 2u);
}

class ConditionalEditing : public ::testing::Test {
protected:
  void SetUp() override {
    for (const char* label : {"Alarm", "Guard"}) {
      ConditionalRecord conditional;
      conditional.idlabel = label;
      conditional.expression = "{a} = 1";
      m_doc.m_conditionals.Add(conditional);
      ScriptRecord action;
      action.idlabel = ActionScriptLabel(label);
      m_doc.m_scripts.Add(action);
    }
    m_doc.m_variables.Add(NamedVariable("Level"));
  }

  // Edits Guard; the Script editor adds one step.
  ConditionalEditor Editor() {
    return ConditionalEditor(m_doc, m_sink, 1, [this](int script) {
      m_opened.push_back(m_doc.m_scripts[script].idlabel);
      m_doc.m_scripts[script].steps.Add(ScriptStep{});
    });
  }

  CKorvixDoc m_doc;
  RecordingMessageSink m_sink;
  std::vector<std::string> m_opened;
};

TEST_F(ConditionalEditing, AnotherConditionalsLabelIsRefusedButNotObjectsOrItsOwn) {
  ConditionalEditor editor = Editor();
  EXPECT_FALSE(editor.EditScript("alarm"));
  EXPECT_FALSE(editor.Close({"alarm", "{b} = 2"}));
  EXPECT_EQ(Messages(m_sink), (std::vector<std::string>{kTakenAtEditScript, kTakenAtClose}));
  EXPECT_TRUE(m_opened.empty());
  EXPECT_EQ(m_doc.m_conditionals[1].idlabel, "Guard");
  EXPECT_EQ(m_doc.m_conditionals[1].expression, "{a} = 1");
  EXPECT_FALSE(m_doc.IsModified());

  for (const char* label : {"GUARD", "Level"}) {
    SCOPED_TRACE(label);
    EXPECT_TRUE(editor.Close({label, "{b} = 2"}));
    EXPECT_EQ(m_doc.m_conditionals[1].idlabel, label);
    EXPECT_EQ(m_doc.m_scripts[1].idlabel, ActionScriptLabel(label));
    EXPECT_EQ(m_doc.m_conditionals[1].expression, "{b} = 2");
  }
  EXPECT_EQ(m_sink.shown.size(), 2u);
  EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(ConditionalEditing, EditScriptCommitsTheRenameAtOnceAndCloseTrimsIt) {
  ConditionalEditor editor = Editor();
  ASSERT_TRUE(editor.EditScript("Beacon "));
  EXPECT_EQ(m_opened, std::vector<std::string>{"Beacon " + kA0});
  EXPECT_EQ(m_doc.m_conditionals[1].idlabel, "Beacon ");
  ASSERT_NE(editor.ActionSteps(), nullptr);
  EXPECT_EQ(editor.ActionSteps()->Count(), 1);
  EXPECT_TRUE(m_doc.IsModified());
  // A Cancel now keeps the rename and the step; the expression never changed.
  EXPECT_EQ(m_doc.m_conditionals[1].expression, "{a} = 1");

  ASSERT_TRUE(editor.Close({"Beacon", "{b} = 2"}));
  EXPECT_EQ(m_doc.m_conditionals[1].idlabel, "Beacon");
  EXPECT_EQ(m_doc.m_scripts[1].idlabel, "Beacon" + kA0);
  EXPECT_EQ(m_doc.m_scripts[1].steps.Count(), 1);
  EXPECT_EQ(m_doc.m_scripts[0].idlabel, "Alarm" + kA0);
}

TEST_F(ConditionalEditing, TheActionLabelIsOneByteLongerThanTheLongestLabel) {
  const std::string label(kConditionalLabelLimit, 'L');
  ConditionalEditor editor = Editor();
  ASSERT_TRUE(editor.EditScript(label));
  ASSERT_EQ(m_opened.size(), 1u);
  EXPECT_EQ(m_opened[0].size(), 71u);
  EXPECT_EQ(m_opened[0].back(), kActionScriptMarker);
}

TEST_F(ConditionalEditing, EditScriptMakesAMissingActionScriptFirst) {
  m_doc.m_scripts.Remove(1);
  ConditionalEditor editor = Editor();
  EXPECT_EQ(editor.ActionSteps(), nullptr);
  ASSERT_TRUE(editor.EditScript("Guard"));
  EXPECT_EQ(m_opened, std::vector<std::string>{"Guard" + kA0});
  ASSERT_NE(editor.ActionSteps(), nullptr);
  EXPECT_EQ(editor.ActionSteps()->Count(), 1);
  EXPECT_TRUE(m_sink.shown.empty());
}

}  // namespace
}  // namespace korvix
