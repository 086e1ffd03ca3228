#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testing/recording_message_sink.h"
#include "properties/entry_validation.h"

namespace korvix::testing {
namespace {

constexpr const char* kBadNameText =
    "The name of a variable cannot contain commas, \rparentheses, or relational operators.";
constexpr const char* kBracesText = "Illegal use of the curly braces \"{ }\"";
constexpr const char* kHiddenBytesText =
    "ID label cannot contain tabs, line breaks, \rnon-breaking spaces or the character \xA2.";
constexpr const char* kPunctuationText =
    "ID label cannot contain commas, curly braces, \rparentheses, or relational operators.";
constexpr const char* kNumericText = "ID label must contain at least one non-numerical character.";
constexpr const char* kPositiveText = "This field must be a positive integer.";
constexpr const char* kIntegerText = "This field must be an integer.";
constexpr const char* kTimeText = "This field must be a valid time such as \rSeconds, Hrs:Min, or Hrs:Min:Sec.";

// One entry per line end; enough of a name list for the validators.
const std::string kNameList =
    "<Data Windows>\xA2\tTank1\xA2\tPump 2\xA2<Global Variables>\xA2"
    "\trecdata\xA2";

std::string ReservedText(const std::string& name) {
  return "\"" + name + "\" is reserved by Korvix as a global \rvariable and can not be used as an ID label.";
}

std::string FormulaLabelText(const std::string& word) {
  return "The math formula contains the ID label \"" + word +
         "\". \rIf intending to use the value of this object, enclose \rit in curly braces like "
         "this {" +
         word + "}.";
}

std::string QuestionText(const std::string& word) {
  return "Your text contains the ID label \"" + word +
         "\". \rIf intending to use the value of this object, \renclose it in curly braces like "
         "this {" +
         word + "}. \rDo you wish to go back and edit?";
}

int CheckFormula(MessageSink& sink, const std::string& formula) { return CheckMathFormula(sink, formula, kNameList); }

struct FieldCase {
  int (*check)(MessageSink&, const std::string&);
  std::string text;
  std::string message;  // empty: accepted
};

// Each field check either passes silently or shows exactly one message
// captioned "Entry Error" and returns 0.
void ExpectVerdicts(const std::vector<FieldCase>& cases) {
  for (const FieldCase& c : cases) {
    RecordingMessageSink sink;
    const int result = c.check(sink, c.text);
    if (c.message.empty()) {
      EXPECT_EQ(result, 1) << c.text;
      EXPECT_TRUE(sink.shown.empty()) << c.text;
      continue;
    }
    EXPECT_EQ(result, 0) << c.text;
    ASSERT_EQ(sink.shown.size(), 1u) << c.text;
    EXPECT_EQ(sink.shown[0].caption, "Entry Error");
    EXPECT_EQ(sink.shown[0].text, c.message) << c.text;
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);
  }
}

TEST(CheckIdLabel, RefusesWhatCouldNotBeReferredTo) {
  ExpectVerdicts({
      {CheckIdLabel, " Tank 1 ", ""},
      {CheckIdLabel, "A12", ""},
      {CheckIdLabel, "Caf\xE9", ""},
      {CheckIdLabel, "  ", "Object must have an ID label."},
      {CheckIdLabel, "a,b", kPunctuationText},
      {CheckIdLabel, "{x}", kPunctuationText},
      {CheckIdLabel, "a<>b", kPunctuationText},
      {CheckIdLabel, "{\t}", kPunctuationText},
      {CheckIdLabel, "SystemTime", ReservedText("systemtime")},
      {CheckIdLabel, "rec Data", ReservedText("recdata")},
      {CheckIdLabel, "12", kNumericText},
      {CheckIdLabel, "-5", kNumericText},
      {CheckIdLabel, "3*4", kNumericText},
  });
}

TEST(CheckIdLabel, RefusesBytesThatWouldSplitOrHideAName) {
  ExpectVerdicts({
      {CheckIdLabel, "Tank\t1", kHiddenBytesText},
      {CheckIdLabel, "Tank1\r\n", kHiddenBytesText},
      {CheckIdLabel, std::string("Ta\0nk", 5), kHiddenBytesText},
      {CheckIdLabel, "Alarm\xA0", kHiddenBytesText},
      {CheckIdLabel, "\xA2Tank", kHiddenBytesText},
      {CheckIdLabel, "\xA1Tank\xFF", ""},
  });
}

TEST(CheckBraceNames, AcceptsPairedNamesAndEndsOnAnyBrace) {
  ExpectVerdicts({
      {CheckBraceNames, "", ""},
      {CheckBraceNames, "{Tank 1} + {} text", ""},
      {CheckBraceNames, "{a,b}", kBadNameText},
      {CheckBraceNames, "{a} and {(b}", kBadNameText},
      {CheckBraceNames, "{a{b}", kBracesText},
      {CheckBraceNames, "}{a}", kBracesText},
      {CheckBraceNames, "{a} {b", kBracesText},
      {CheckBraceNames, "{a}}", kBracesText},
  });
}

TEST(NumberFields, AllowTheirCharactersAroundReferences) {
  ExpectVerdicts({
      {CheckPositiveInteger, "", ""},
      {CheckPositiveInteger, "{Count}", ""},
      {CheckPositiveInteger, " 1 2{Count} ", ""},
      {CheckPositiveInteger, "-1", kPositiveText},
      {CheckPositiveInteger, "1.5", kPositiveText},
      {CheckPositiveInteger, "{Count", kPositiveText},
      {CheckPositiveInteger, "{a}5{b", kPositiveText},
      {CheckPositiveInteger, "}5", kPositiveText},
      {CheckInteger, "-1.5", ""},
      {CheckInteger, "1-2.", ""},
      {CheckInteger, "{Offset}-3", ""},
      {CheckInteger, "1e3", kIntegerText},
      {CheckInteger, "{a}x", kIntegerText},
  });
}

TEST(CheckTimeText, TakesSecondsOrTwoDigitMinutesAndSeconds) {
  ExpectVerdicts({
      {CheckTimeText, "", ""},
      {CheckTimeText, "90", ""},
      {CheckTimeText, "1:05", ""},
      {CheckTimeText, "12:05:30", ""},
      {CheckTimeText, "{Delay}:30", kTimeText},
      {CheckTimeText, ":05", kTimeText},
      {CheckTimeText, "1:5", kTimeText},
      {CheckTimeText, "1:05:3", kTimeText},
      {CheckTimeText, "1:2:3:44", kTimeText},
      {CheckTimeText, "1::05", kTimeText},
      {CheckTimeText, "1.5", kTimeText},
      {CheckTimeText, "1:{Min", kTimeText},
  });
}

TEST(CheckMathFormula, AcceptsNumbersReferencesAndFunctions) {
  ExpectVerdicts({
      {CheckFormula, "", ""},
      {CheckFormula, "$ABS({x})*2", ""},
      {CheckFormula, "({Tank1} + 2.5) ^ 2 / $SQRT(4)\r\n-$NRAD({a b})", ""},
      {CheckFormula, "{Tank1,x}", kBadNameText},
      {CheckFormula, "{a{b}}", kBracesText},
      {CheckFormula, "({x}))",
       "The math formula contains a right-side parenthesis \")\" \r"
       "without an openning left-side parenthesis \"(\""},
      {CheckFormula, "(({x})",
       "The math formula contains a left-side parenthesis \"(\" \r"
       "without a closing right-side parenthesis \")\""},
      {CheckFormula, "$abs({x})", "The math formula contains an illegal string: \"$abs\""},
      {CheckFormula, "2e3", "The math formula contains an illegal string: \"e\""},
      {CheckFormula, "1 ,2", "The math formula contains an illegal string: \",\""},
      {CheckFormula, "$ABS{x}",
       "The math formula contains the function \rlabel $ABS without "
       "a subsequent \"( )\"."},
      {CheckFormula, "2*$SIN 1",
       "The math formula contains the function \rlabel $SIN without "
       "a subsequent \"( )\"."},
      {CheckFormula, "Tank1*2", FormulaLabelText("Tank1")},
      {CheckFormula, "({x}+TANK1) {", FormulaLabelText("TANK1")},
  });
}

TEST(UnbracedLabels, FindsBareLabelsAsTyped) {
  struct Case {
    std::string text;
    bool isformula;
    std::vector<std::string> words;
  } cases[] = {
      {"tank1 and  Tank1\r\nRECDATA", false, {"tank1", "Tank1", "RECDATA"}},
      {"{Tank1} Tank1, Tank1.x Pump 2", false, {}},
      {"Tank1*2", false, {}},
      {"$ABS(Tank1)-recdata", true, {"Tank1", "recdata"}},
      {"Data Windows Global", false, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(UnbracedLabels(c.text, kNameList, c.isformula), c.words) << c.text;
  }
}

TEST(WarnUnbracedLabels, AsksAboutEachBareLabelUntilTheUserGoesBack) {
  struct Case {
    std::vector<MessageResult> answers;
    int result;
    size_t asked;
  } cases[] = {
      {{MessageResult::Yes}, 0, 1},
      {{MessageResult::No, MessageResult::Yes}, 0, 2},
      {{MessageResult::No, MessageResult::No}, 1, 2},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    sink.answers.assign(c.answers.begin(), c.answers.end());
    EXPECT_EQ(WarnUnbracedLabels(sink, "Fill tank1 from\rRecData now", kNameList, false), c.result);
    ASSERT_EQ(sink.shown.size(), c.asked);
    EXPECT_EQ(sink.shown[0].caption, "Possible Entry Error");
    EXPECT_EQ(sink.shown[0].text, QuestionText("tank1"));
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(sink.shown[0].buttons, MessageButtons::YesNo);
    if (c.asked > 1) {
      EXPECT_EQ(sink.shown[1].text, QuestionText("RecData"));
    }
  }
}

TEST(WarnUnbracedLabels, RefusesABareLabelInAFormulaWithoutAsking) {
  RecordingMessageSink sink;
  EXPECT_EQ(WarnUnbracedLabels(sink, "Tank1 + recdata", kNameList, true), 0);
  ASSERT_EQ(sink.shown.size(), 1u);
  EXPECT_EQ(sink.shown[0].caption, "Entry Error");
  EXPECT_EQ(sink.shown[0].text, FormulaLabelText("Tank1"));
  EXPECT_EQ(sink.shown[0].buttons, MessageButtons::Ok);

  RecordingMessageSink quiet;
  EXPECT_EQ(WarnUnbracedLabels(quiet, "", kNameList, false), 1);
  EXPECT_EQ(WarnUnbracedLabels(quiet, "{Tank1} ok", kNameList, true), 1);
  EXPECT_TRUE(quiet.shown.empty());
}

}  // namespace
}  // namespace korvix::testing
