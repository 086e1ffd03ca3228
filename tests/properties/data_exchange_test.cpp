#include <gtest/gtest.h>

#include <functional>

#include "properties/data_exchange.h"

namespace korvix {
namespace {

constexpr const char* kInteger = "Please enter an integer.";
constexpr const char* kPositive = "Please enter a positive integer.";
constexpr const char* kBetween = "Please enter an integer between 0 and 20.";

struct ExchangeCase {
  const char* name;
  std::function<std::optional<std::string>(std::string_view)> exchange;
  std::string text;
  std::optional<std::string> problem;
};

class DataExchange : public ::testing::TestWithParam<ExchangeCase> {};

TEST_P(DataExchange, RefusesWithTheExactMessage) {
  EXPECT_EQ(GetParam().exchange(GetParam().text), GetParam().problem);
}

const auto Integer = [](std::string_view text) { return IntegerEntryProblem(text); };
const auto Positive = [](std::string_view text) { return PositiveIntegerEntryProblem(text); };
const auto Border = [](std::string_view text) { return IntegerRangeProblem(text, 0, 20); };
const auto Label = [](std::string_view text) { return TextLengthProblem(text, 70); };

INSTANTIATE_TEST_SUITE_P(
    Cases, DataExchange,
    ::testing::Values(
        ExchangeCase{"SignedWithBlanks", Integer, " -12 ", std::nullopt},
        ExchangeCase{"PlusSign", Integer, "+7", std::nullopt}, ExchangeCase{"Empty", Integer, "", kInteger},
        ExchangeCase{"Letters", Integer, "12a", kInteger}, ExchangeCase{"DecimalPoint", Integer, "1.5", kInteger},
        ExchangeCase{"BeyondInt", Integer, "2147483648", kInteger},
        ExchangeCase{"IntMinimum", Integer, "-2147483648", std::nullopt},
        ExchangeCase{"PositiveZero", Positive, "0", std::nullopt},
        ExchangeCase{"PositiveNegative", Positive, "-1", kPositive},
        ExchangeCase{"PositiveLetters", Positive, "x", kPositive}, ExchangeCase{"RangeLow", Border, "0", std::nullopt},
        ExchangeCase{"RangeHigh", Border, "20", std::nullopt}, ExchangeCase{"AboveRange", Border, "21", kBetween},
        ExchangeCase{"BelowRange", Border, "-1", kBetween}, ExchangeCase{"RangeNotANumber", Border, "x", kInteger},
        ExchangeCase{"AtTheLimit", Label, std::string(70, 'a'), std::nullopt},
        ExchangeCase{"BeyondTheLimit", Label, std::string(71, 'a'), "Please enter no more than 70 characters."}),
    [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace korvix
