#include <gtest/gtest.h>

#include <string>

#include "expressions/condition.h"
#include "map_label_reader.h"

namespace korvix::testing {
namespace {

struct ConditionCase {
  const char* expression;
  bool expected;
};

class EvaluateConditionTest : public ::testing::TestWithParam<ConditionCase> {
protected:
  MapLabelReader reader;
  RandomSource random;
};

constexpr const char* kComplex =
    "({DataWindow1} >= 1000 OR {DataWindow2} < 50) \r\nAND\r\n({Counter1} <= 500 OR {Timer1} > "
    "2:30:05.45)\r\nAND\r\n({TextWindow1} <> Motor Running OR {Lamp1} = On)";

TEST_P(EvaluateConditionTest, HoldsForTheseValues) {
  reader.values = {{"DataWindow1", "1000"}, {"DataWindow2", "172.0"}, {"recdata", "AAH"},
                   {"Counter1", "600"},     {"Timer1", "2:30:05.50"}, {"TextWindow1", "Motor Running"},
                   {"Lamp1", "On"},         {"Tank", "49.5"},         {"Pump", "1"},
                   {"Empty", ""},           {"Padded", "  7 "}};
  EXPECT_EQ(EvaluateCondition(GetParam().expression, reader, random), GetParam().expected) << GetParam().expression;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, EvaluateConditionTest,
    ::testing::Values(
        ConditionCase{"{DataWindow1} >= 1000", true}, ConditionCase{"{DataWindow1} > 1000", false},
        ConditionCase{"{recdata} = AAH", true}, ConditionCase{"{recdata} = AAh", false},
        ConditionCase{"{DataWindow1} / 10 = ({DataWindow2} + 128) * 3.14", false},
        ConditionCase{"{DataWindow1} / 10 = ({DataWindow2} - 72) * 1", true}, ConditionCase{kComplex, true},
        ConditionCase{"{Tank}>50 and {Pump}=1", false}, ConditionCase{"{Tank} > 49.49 AND {Pump} = 1.00", true},
        ConditionCase{"{Tank} > 50 OR {Pump} = 1", true}, ConditionCase{"{Tank} > 40 XOR {Pump} = 1", false},
        ConditionCase{"{Tank} > 50 OR {Pump} = 0 AND {Tank} < 0", false},
        ConditionCase{"{Pump} = 1 OR {Tank} > 50 AND {Tank} < 0", true}, ConditionCase{"{Lamp1} <> Off", true},
        ConditionCase{"{Padded} = 7", true}, ConditionCase{"{Empty} = 0", true},
        ConditionCase{"$ABS({Tank} - 60) > 10", true}, ConditionCase{"{Timer1} > 2:30:05.45", true},
        ConditionCase{"{Counter1} < 1000", true}, ConditionCase{"10 > 9", true}, ConditionCase{"abc < abd", true}));

INSTANTIATE_TEST_SUITE_P(BadInput, EvaluateConditionTest,
                         ::testing::Values(ConditionCase{"{Tank} > 50 AND", false}, ConditionCase{"{Tank}", false},
                                           ConditionCase{"> 5", false}, ConditionCase{"", false},
                                           ConditionCase{"({Tank} > 1", false}, ConditionCase{"{Tank} = 1,5", false},
                                           ConditionCase{"{Missing} = Error", true},
                                           ConditionCase{"{Tank} / 0 = 1", false}, ConditionCase{"{Tank", false},
                                           ConditionCase{"( ) = 1", false}, ConditionCase{"1 = 1 AND ()", false}));

TEST(EvaluateCondition, ReadsLabelsWithTheirZeroShapeAndSurvivesHostileValues) {
  MapLabelReader reader;
  RandomSource random;
  reader.values = {{"v", "1 > 2 AND (("}, {"w", std::string(5000, '(')}};
  EXPECT_TRUE(EvaluateCondition("{v} = 1 > 2 AND ((", reader, random) == false);
  EXPECT_TRUE(EvaluateCondition("{v} <> x", reader, random));
  EXPECT_FALSE(EvaluateCondition("{w} = 1", reader, random));
  EXPECT_TRUE(EvaluateCondition("{w} <> 1", reader, random));
}

}  // namespace
}  // namespace korvix::testing
