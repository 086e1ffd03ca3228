#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/testing/recording_message_sink.h"
#include "properties/math_conversion.h"

namespace korvix::testing {
namespace {

const std::string kNameList = "<Data Windows>\xA2\tTank1\xA2<Global Variables>\xA2\trecdata\xA2";

TEST(CheckMathConversion, TrimsBothTextsAndChecksOnlyTheFormula) {
  const struct {
    MathConversionEntry entry;
    MathConversionEntry trimmed;
  } cases[] = {
      {{"  {Tank1} * 2  ", " Tank1\t"}, {"{Tank1} * 2", "Tank1"}},
      {{"\r\n\t$ABS( {recdata} )\r\n", ""}, {"$ABS( {recdata} )", ""}},
      {{"({Tank1} +\r\n 4) / 2", "names nothing"}, {"({Tank1} +\r\n 4) / 2", "names nothing"}},
      {{"", ""}, {"", ""}},
      {{" \r\n ", std::string(70, 'x')}, {"", std::string(70, 'x')}},
  };
  for (const auto& c : cases) {
    RecordingMessageSink sink;
    MathConversionEntry entry = c.entry;
    EXPECT_TRUE(CheckMathConversion(sink, entry, kNameList).Accepted()) << c.entry.formula;
    EXPECT_EQ(entry.formula, c.trimmed.formula);
    EXPECT_EQ(entry.target, c.trimmed.target);
    EXPECT_TRUE(sink.shown.empty());
  }
}

TEST(CheckMathConversion, RefusalsNameTheFieldAndShowOneMessage) {
  const std::string labelmessage =
      "The math formula contains the ID label \"Tank1\". \rIf intending to use the value of this object, "
      "enclose \rit in curly braces like this {Tank1}.";
  const struct {
    MathConversionEntry entry;
    MathConversionField field;
    bool guard;
    std::string message;
  } cases[] = {
      {{" Tank1 * 2 ", "Out"}, MathConversionField::Formula, false, labelmessage},
      {{"{Tank1}", std::string(71, 'x')},
       MathConversionField::Target,
       true,
       "Please enter no more than 70 characters."},
      {{std::string(1001, '1'), "Out"},
       MathConversionField::Formula,
       false,
       "Please enter no more than 1000 characters."},
  };
  for (const auto& c : cases) {
    RecordingMessageSink sink;
    MathConversionEntry entry = c.entry;
    const OkCheck<MathConversionField> check = CheckMathConversion(sink, entry, kNameList);
    EXPECT_EQ(check.focus, std::optional(c.field));
    EXPECT_EQ(check.guard, c.guard);
    ASSERT_EQ(sink.shown.size(), 1u);
    EXPECT_EQ(sink.shown[0].caption, "Entry Error");
    EXPECT_EQ(sink.shown[0].text, c.message);
    EXPECT_EQ(sink.shown[0].icon, MessageIcon::Exclamation);
  }
}

}  // namespace
}  // namespace korvix::testing
