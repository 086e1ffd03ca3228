#include "automationedit/script_step_properties.h"

#include <gtest/gtest.h>

#include "automation/step_codes.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

constexpr StepDlgField kFirst = StepDlgField::First;
constexpr StepDlgField kSecond = StepDlgField::Second;
constexpr StepDlgField kAccepted = StepDlgField::None;

// The name list with one Text Window.
const std::string kNames = std::string("<Text Windows>") + '\xA2' + "\tTank1" + '\xA2';

struct Outcome {
  StepDlgField field;
  std::string message;  // the last one shown
};

Outcome Check(int code, ScriptStepFields& fields, std::deque<MessageResult> answers = {}) {
  RecordingMessageSink sink;
  sink.answers = std::move(answers);
  const std::optional<StepDlgField> refused = CheckScriptStepFields(sink, code, fields, kNames);
  return {refused.value_or(kAccepted), sink.shown.empty() ? "" : sink.shown.back().text};
}

TEST(ScriptStepProperties, ACommaInTheFirstFieldIsRefusedForEveryCode) {
  int codes = 0;
  for (const StepCodeInfo& info : StepCodes()) {
    if (!FindScriptStepSetup(info.code)) continue;
    ++codes;
    ScriptStepFields fields{"a,b", "Tank", 0, 0};
    const Outcome outcome = Check(info.code, fields);
    EXPECT_EQ(outcome.field, kFirst) << info.code;
    EXPECT_EQ(outcome.message, "This field cannot contain a comma.") << info.code;
  }
  EXPECT_EQ(codes, 36);
}

TEST(ScriptStepProperties, TheChecksRunByCodeAndNameTheFieldToFocus) {
  using Answers = std::deque<MessageResult>;
  constexpr MessageResult kYes = MessageResult::Yes;
  constexpr MessageResult kNo = MessageResult::No;
  const std::string overlong(113, 'x');
  const struct {
    int code;
    const char* param1;
    const char* param2;
    Answers answers;
    StepDlgField field;
    const char* message;
  } cases[] = {
      {0, "RD", "a,b", {}, kSecond, "This field cannot contain a comma."},
      {3, "Hi", "TW,1", {}, kSecond, "This field cannot contain a comma."},
      {23, "f.txt", "a,b", {}, kSecond, "This field cannot contain a comma."},
      {30, "BA", "a,b", {}, kSecond, "This field cannot contain a comma."},
      {32, "", "a,b", {}, kSecond, "This field cannot contain a comma."},
      {24, "f.txt", "{a}, {b}", {}, kAccepted, ""},
      {41, "Title", "one, two", {}, kAccepted, ""},
      {0,
       "RD",
       "{a(b}",
       {},
       kSecond,
       "The name of a variable cannot contain commas, \rparentheses, or relational operators."},
      {0,
       " RD ",
       "  ",
       {kYes},
       kAccepted,
       "If you leave this field blank, Korvix will move\ron to the next Script Step "
       "without waiting for\ra response. Are you sure you want to do this?\r(not "
       "recommended)"},
      {0,
       "RD",
       "",
       {kNo},
       kSecond,
       "If you leave this field blank, Korvix will move\ron to the next Script Step "
       "without waiting for\ra response. Are you sure you want to do this?\r(not "
       "recommended)"},
      {2, "-1", "", {}, kFirst, "This field must be a positive integer."},
      {25, "1.5", "", {}, kFirst, "This field must be a positive integer."},
      {104, "-1", "", {}, kFirst, "This field must be a positive integer."},
      {104, "", "", {}, kAccepted, ""},
      {33, ":05", "", {}, kFirst, "This field must be a valid time such as \rSeconds, Hrs:Min, or Hrs:Min:Sec."},
      {33, "1:5", "", {}, kFirst, "This field must be a valid time such as \rSeconds, Hrs:Min, or Hrs:Min:Sec."},
      {33, "1:05", "", {}, kAccepted, ""},
      {40, "PI", "-1.5", {}, kAccepted, ""},
      {40, "PI", "x", {}, kSecond, "This field must be an integer."},
      {3, "tank1 low", "TW", {kYes}, kFirst, ""},
      {3, "tank1 low", "TW", {kNo}, kAccepted, ""},
      {24, "f.txt", "Tank1", {kYes}, kSecond, ""},
      {41, "Title", "Tank1 is low", {kYes}, kSecond, ""},
      {41, "Title", "{Tank1} is low", {}, kAccepted, ""},
      {1, "{a", "", {}, kFirst, "Illegal use of the curly braces \"{ }\""},
      {1, overlong.c_str(), "", {}, kFirst, "Please enter no more than 112 characters."},
  };
  for (const auto& c : cases) {
    ScriptStepFields fields{c.param1, c.param2, 0, 0};
    const Outcome outcome = Check(c.code, fields, c.answers);
    EXPECT_EQ(outcome.field, c.field) << c.code << " " << c.param1 << " " << c.param2;
    if (*c.message) {
      EXPECT_EQ(outcome.message, c.message) << c.code << " " << c.param1;
    }
  }
}

TEST(ScriptStepProperties, FieldsAreTrimmedForTheDialogToShow) {
  ScriptStepFields fields{"  RD\t", " \r\nTank ", 0, 0};
  EXPECT_EQ(Check(0, fields).field, kAccepted);
  EXPECT_EQ(fields.param1, "RD\t") << "only blanks are cut";
  EXPECT_EQ(fields.param2, "\r\nTank");
}

TEST(ScriptStepProperties, EveryCodeOfTheDialogHasItsSetUp) {
  for (const StepCodeInfo& info : StepCodes()) {
    const ScriptStepSetup* setup = FindScriptStepSetup(info.code);
    const bool owndialog = info.code == 20 || info.code == 27 || info.code == 31 || info.code == kStepIf ||
                           info.code == kStepElseIf || info.code == kStepExitLoopIf;
    EXPECT_EQ(setup != nullptr, StepHasFields(info.code) && !owndialog) << info.code;
    if (!setup) continue;
    EXPECT_FALSE(setup->prompt1.empty());
    EXPECT_NE(setup->prompt2.empty(), setup->help.empty()) << info.code;
    EXPECT_EQ(setup->colours, info.code == kStepShowMessage);
    EXPECT_EQ(setup->firstdisabled, info.code == 19);
    // A group only narrows a selector that is there.
    EXPECT_TRUE(setup->selector != StepDlgField::None || setup->group.empty()) << info.code;
    EXPECT_TRUE(setup->selector != StepDlgField::Second || !setup->prompt2.empty()) << info.code;
  }
  const ScriptStepSetup& start = *FindScriptStepSetup(4);
  EXPECT_EQ(start.prompt1, "Start this Script:");
  EXPECT_EQ(start.help, "Type in the ID Label \rof the Script sequence.");
  EXPECT_EQ(start.selector, StepDlgField::First);
  EXPECT_EQ(start.group, "<Scripts>");
  const ScriptStepSetup& ping = *FindScriptStepSetup(32);
  EXPECT_EQ(ping.prompt2, "Execute this Script if a \rmodule didn't respond:");
  EXPECT_EQ(ping.selector, StepDlgField::Second);
  EXPECT_EQ(ping.group, "<Scripts>");
}

TEST(ScriptStepProperties, AConditionalIsNormalisedCheckedAndQuestioned) {
  const struct {
    const char* typed;
    const char* shown;
    MessageResult answer;
    bool accepted;
  } cases[] = {
      {"a>=b and c<>d", "a >= b AND c <> d", MessageResult::Yes, true},
      {"{Tank1} > 1,", "{Tank1} > 1,", MessageResult::Yes, false},
      {"Tank1 > 1", "Tank1 > 1", MessageResult::Yes, false},
      {"Tank1 > 1", "Tank1 > 1", MessageResult::No, true},
  };
  for (const auto& c : cases) {
    RecordingMessageSink sink;
    sink.answers = {c.answer};
    std::string expression = c.typed;
    EXPECT_EQ(CheckScriptConditionalText(sink, expression, kNames), c.accepted) << c.typed;
    EXPECT_EQ(expression, c.shown);
  }
}

TEST(ScriptStepProperties, StoreAndDeleteMarkTheDocumentModified) {
  CKorvixDoc doc;
  ScriptRecord script;
  for (const int code : {1, 3, 2}) script.steps.Add(NewScriptStep(code));
  script.steps[1].spare5 = 9;
  doc.m_scripts.Add(script);
  StoreScriptStepFields(doc, 0, 1, {"Hi", "TW", 0x0000FF, 0xFFFFFF});
  const ScriptStep& stored = doc.m_scripts[0].steps[1];
  EXPECT_EQ(stored.param1, "Hi");
  EXPECT_EQ(stored.param2, "TW");
  EXPECT_EQ(stored.color1, 0x0000FF);
  EXPECT_EQ(stored.color2, 0xFFFFFF);
  EXPECT_EQ(stored.spare5, 9);
  EXPECT_TRUE(doc.IsModified());
  doc.SetModifiedFlag(false);
  DeleteScriptStep(doc, 0, 0);
  EXPECT_EQ(doc.m_scripts[0].steps.Count(), 2);
  EXPECT_EQ(doc.m_scripts[0].steps[0].code, 3);
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace korvix
