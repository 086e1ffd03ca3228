#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "expressions/math_formula.h"

namespace korvix::testing {
namespace {

struct FormulaCase {
  const char* formula;
  double value;
};

class MathFormulaValue : public ::testing::TestWithParam<FormulaCase> {};

TEST_P(MathFormulaValue, Evaluates) {
  RandomSource random;
  const std::optional<double> value = EvaluateMathFormula(GetParam().formula, random);
  ASSERT_TRUE(value.has_value()) << GetParam().formula;
  EXPECT_NEAR(*value, GetParam().value, 1e-9) << GetParam().formula;
}

INSTANTIATE_TEST_SUITE_P(Operators, MathFormulaValue,
                         ::testing::Values(FormulaCase{"1+2*3", 7}, FormulaCase{"(1+2)*3", 9},
                                           FormulaCase{"2^3^2", 512}, FormulaCase{"-2^2", 4},
                                           FormulaCase{"10/4-1", 1.5}, FormulaCase{"3*-5", -15},
                                           FormulaCase{" 1 +\r\n 2 ", 3}, FormulaCase{".5*4", 2},
                                           FormulaCase{"250 / 10", 25}));

INSTANTIATE_TEST_SUITE_P(
    Functions, MathFormulaValue,
    ::testing::Values(FormulaCase{"$ABS(-3.5)", 3.5}, FormulaCase{"$SIGN(-7)", -1}, FormulaCase{"$SIGN(0)", 0},
                      FormulaCase{"$SQRT(16)", 4}, FormulaCase{"$LOG(1000)", 3}, FormulaCase{"$NLOG(1)", 0},
                      FormulaCase{"$SIN(0)", 0}, FormulaCase{"$COS(0)", 1}, FormulaCase{"$TAN(0)", 0},
                      FormulaCase{"$ASIN(1)", M_PI / 2}, FormulaCase{"$ACOS(1)", 0}, FormulaCase{"$ATAN(1)", M_PI / 4},
                      FormulaCase{"$DEG(3.141592653589793)", 180}, FormulaCase{"$RAD(180)", M_PI},
                      FormulaCase{"$NDEG(-90)", 270}, FormulaCase{"$NDEG(720)", 0},
                      FormulaCase{"$NRAD(-3.141592653589793)", M_PI}, FormulaCase{"$ABS( $SQRT(9) - 5 ) * 2", 4}));

TEST(MathFormula, RandomStaysWithinItsRangeAndFollowsTheSeed) {
  RandomSource first;
  RandomSource second;
  first.Seed(7);
  second.Seed(7);
  for (int i = 0; i < 100; ++i) {
    const double a = *EvaluateMathFormula("$RAND(10)", first);
    EXPECT_GE(a, 0.0);
    EXPECT_LT(a, 10.0);
    EXPECT_EQ(a, *EvaluateMathFormula("$RAND(10)", second));
  }
}

class MathFormulaRefused : public ::testing::TestWithParam<const char*> {};

TEST_P(MathFormulaRefused, HasNoValue) {
  RandomSource random;
  EXPECT_FALSE(EvaluateMathFormula(GetParam(), random).has_value()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(BadInput, MathFormulaRefused,
                         ::testing::Values("1/0", "1/(2-2)", "$SQRT(-1)", "$LOG(0)", "$NLOG(-2)", "$ASIN(2)",
                                           "$ACOS(-1.5)", "(-8)^0.5", "10^400", "", "(1+2", "1+2)", "1+", "*2",
                                           "$abs(1)", "$ABS 1", "$FOO(1)", "2e3", "Error*2", "Overflow", "1..2", "1,5",
                                           "{x}*2"));

TEST(MathFormula, DeepNestingEndsWithoutValue) {
  RandomSource random;
  const std::string deep = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_FALSE(EvaluateMathFormula(deep, random).has_value());
  std::string powers = "2";
  for (int i = 0; i < 100000; ++i) powers += "^1";
  EXPECT_FALSE(EvaluateMathFormula(powers, random).has_value());
  EXPECT_FALSE(EvaluateMathFormula(std::string(100000, '-') + "1", random).has_value());
  const std::string nested = std::string(50, '(') + "1" + std::string(50, ')');
  EXPECT_EQ(EvaluateMathFormula(nested, random), 1.0);
}

}  // namespace
}  // namespace korvix::testing
