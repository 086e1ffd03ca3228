#include <gtest/gtest.h>

#include <functional>

#include "properties/shared_checks.h"

namespace korvix {
namespace {

constexpr const char* kIllegal = "This field contains an illegal character.";
constexpr const char* kDecimal = "This field cannot contain a decimal point.";
constexpr const char* kZero = "The Multiplier can not equal zero.";
constexpr const char* kVariables = "This field does not support variables.";
constexpr const char* kItself = "Can not send output value to itself.";

struct CheckCase {
  const char* name;
  std::function<std::optional<std::string>(std::string_view)> check;
  std::string text;
  std::optional<std::string> problem;
};

class SharedChecks : public ::testing::TestWithParam<CheckCase> {};

TEST_P(SharedChecks, RefusesWithTheExactMessage) { EXPECT_EQ(GetParam().check(GetParam().text), GetParam().problem); }

const auto Number = [](std::string_view text) { return NumberTextProblem(text); };
const auto Multiplier = [](std::string_view text) { return MultiplierProblem(text); };
const auto Variables = [](std::string_view text) { return VariablesProblem(text); };
const auto WholeNumber = [](std::string_view text) { return CharacterSetProblem(text, kNumberCharacters, true); };
const auto Digits = [](std::string_view text) { return CharacterSetProblem(text, "0123456789"); };
const auto NotItself = [](std::string_view text) { return OwnLabelProblem(text, "Tank1", kItself); };

INSTANTIATE_TEST_SUITE_P(Cases, SharedChecks,
                         ::testing::Values(CheckCase{"NumberEmpty", Number, "", std::nullopt},
                                           CheckCase{"NumberSigned", Number, "-12.5", std::nullopt},
                                           CheckCase{"NumberComma", Number, "1,5", kIllegal},
                                           CheckCase{"NumberBlank", Number, "1 5", kIllegal},
                                           CheckCase{"MultiplierNegative", Multiplier, "-1", std::nullopt},
                                           CheckCase{"MultiplierFraction", Multiplier, ".5", std::nullopt},
                                           CheckCase{"MultiplierZero", Multiplier, "0.000", kZero},
                                           CheckCase{"MultiplierEmpty", Multiplier, "", kZero},
                                           CheckCase{"MultiplierSignAlone", Multiplier, "-", kZero},
                                           CheckCase{"MultiplierExponent", Multiplier, "1e3", kIllegal},
                                           CheckCase{"VariablesPlain", Variables, "A12", std::nullopt},
                                           CheckCase{"VariablesReference", Variables, "{Tank1}", kVariables},
                                           CheckCase{"VariablesLoneBrace", Variables, "Tank}", kVariables},
                                           CheckCase{"WholeNumber", WholeNumber, "-42", std::nullopt},
                                           CheckCase{"WholeNumberPoint", WholeNumber, "4.2", kDecimal},
                                           CheckCase{"WholeNumberLetterBeforePoint", WholeNumber, "4.x", kIllegal},
                                           CheckCase{"DigitsSign", Digits, "-3", kIllegal},
                                           CheckCase{"OwnLabelSpacedAndCased", NotItself, " tank 1", kItself},
                                           CheckCase{"OtherLabel", NotItself, "Tank2", std::nullopt},
                                           CheckCase{"EmptyTarget", NotItself, "", std::nullopt}),
                         [](const auto& test) { return std::string(test.param.name); });

TEST(TrimEntry, CutsBlanksTabsAndLineBreaksAtBothEndsOnly) {
  EXPECT_EQ(TrimEntry(" \t Tank 1\r\n"), "Tank 1");
  EXPECT_EQ(TrimEntry(" \t "), "");
}

}  // namespace
}  // namespace korvix
