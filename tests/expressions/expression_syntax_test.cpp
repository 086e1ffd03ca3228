#include <gtest/gtest.h>

#include <string>

#include "expressions/expression_syntax.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix::testing {
namespace {

TEST(NormalizeExpression, SpacesOperatorsAndRaisesLogicalWords) {
  struct Case {
    const char* in;
    const char* out;
  } cases[] = {
      {"a>=b and c<>d", "a >= b AND c <> d"},
      {"  {x}=1   Or {y}<2 ", "{x} = 1 OR {y} < 2"},
      {"{x} = 1\r\nxor {y} = 2", "{x} = 1\r\nXOR {y} = 2"},
      {"{x} = 1 aND {y} = 2", "{x} = 1 aND {y} = 2"},
      {"{brand} = 1", "{brand} = 1"},
  };
  for (const Case& c : cases) {
    std::string text = c.in;
    NormalizeExpression(text);
    EXPECT_EQ(text, c.out) << c.in;
  }
}

TEST(ClassifyToken, NamesEachTokenAndStopsAtTheEnd) {
  const std::string text = std::string("{a} x ") + kRelationalMarker + "  1 OR";
  size_t pos = 0;
  std::string token;
  std::vector<std::string> seen;
  for (;;) {
    ClassifyToken(pos, token, text);
    if (token.empty()) break;
    seen.push_back(token);
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"operand", "operand", "relational", "operand", "logical"}));
}

struct CheckCase {
  const char* expression;
  const char* message;  // empty: valid
};

class CheckExpressionTest : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckExpressionTest, AcceptsOrTellsWhy) {
  std::string expression = GetParam().expression;
  NormalizeExpression(expression);
  RecordingMessageSink sink;
  const int result = CheckExpression(sink, expression);
  if (*GetParam().message == '\0') {
    EXPECT_EQ(result, 1);
    EXPECT_TRUE(sink.shown.empty());
  } else {
    EXPECT_EQ(result, 0);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].caption, "Entry Error");
    EXPECT_EQ(sink.shown[0].text, GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CheckExpressionTest,
    ::testing::Values(CheckCase{"{Tank} > 50 AND {Pump} = 1", ""}, CheckCase{"{DataWindow1} >= 1000", ""},
                      CheckCase{"{recdata} = AAH", ""},
                      CheckCase{"{DataWindow1} / 10 = ({DataWindow2} + 128) * 3.14", ""},
                      CheckCase{"({DataWindow1} >= 1000 OR {DataWindow2} < 50) \r\nAND\r\n({Counter1} <= 500 OR "
                                "{Timer1} > 2:30:05.45)\r\nAND\r\n({TextWindow1} <> Motor Running OR {Lamp1} = On)",
                                ""},
                      CheckCase{"", ""}, CheckCase{"{Tank} > 50 AND", "The expression is missing a left-side operand."},
                      CheckCase{"{Tank}", "The expression is missing a relational operator."},
                      CheckCase{"{Tank} >", "The expression is missing a right-side operand."},
                      CheckCase{"1 < 2 > 3",
                                "The expression contains two or more relational \roperators without a "
                                "connecting logical operator."},
                      CheckCase{"IF {a} = 1",
                                "The \"IF\" portion of this expression is implied and should \rnot be included "
                                "in the text string which is entered here."},
                      CheckCase{"{a} = 1,2", "An expression cannot contain a comma."},
                      CheckCase{"{a{b} = 1", "Illegal use of the curly braces { } "},
                      CheckCase{"{a} = 1}", "Illegal use of the curly braces { } "},
                      CheckCase{"{a,b} = 1",
                                "The name of a variable cannot contain commas, \rparentheses, or relational "
                                "operators."},
                      CheckCase{"({a} = 1",
                                "The expression contains a left-side parenthesis \rwithout a closing right-side "
                                "parenthesis."},
                      CheckCase{"{a} = 1)",
                                "The expression contains a right-side parenthesis \rwithout an openning "
                                "left-side parenthesis."}));

}  // namespace
}  // namespace korvix::testing
