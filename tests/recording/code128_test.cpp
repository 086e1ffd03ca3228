#include <gtest/gtest.h>

#include <set>
#include <string>

#include "recording/code128.h"

namespace korvix {
namespace {

int Modules(const std::string& pattern) {
  int sum = 0;
  for (char c : pattern) sum += c - '0';
  return sum;
}

TEST(Code128, PatternsOfTheEdgeValuesAreTheStandardOnes) {
  struct Case {
    int code;
    const char* pattern;
  };
  const Case cases[] = {{32, "212222"},  {126, "131141"}, {127, "114113"}, {128, "114311"}, {129, "411113"},
                        {130, "411311"}, {131, "113141"}, {132, "114131"}, {133, "311141"}, {134, "411131"},
                        {31, ""},        {135, ""},       {0, ""}};
  for (const Case& c : cases) EXPECT_EQ(Code128Pattern(c.code), c.pattern) << c.code;
  EXPECT_STREQ(kCode128StartB, "211214");
  EXPECT_STREQ(kCode128Stop, "2331112");
}

TEST(Code128, EverySymbolHasElevenModulesThreeBarsOfEvenWidthAndIsUnique) {
  std::set<std::string> seen;
  for (int code = 32; code <= 135; ++code) {
    const std::string pattern = code == 135 ? std::string(kCode128StartB) : Code128Pattern(code);
    ASSERT_EQ(pattern.size(), 6u) << code;
    EXPECT_EQ(Modules(pattern), 11) << code;
    EXPECT_EQ((pattern[0] + pattern[2] + pattern[4] - 3 * '0') % 2, 0) << code;
    EXPECT_TRUE(seen.insert(pattern).second) << code;
  }
  EXPECT_EQ(Modules(kCode128Stop), 13);
}

TEST(Code128, CheckValueWeighsEachCharacterByItsPosition) {
  struct Case {
    std::string data;
    int check;
  };
  const Case cases[] = {{"A", 34}, {"AB12", 19}, {"~", 95}, {" ", 1}, {"", 1}, {"\x7F", 95 + 1}};
  for (const Case& c : cases) EXPECT_EQ(Code128Check(c.data), c.check) << c.data;
}

TEST(Code128, DataKeepsOnlyTheCodeSetBCharacters) {
  EXPECT_EQ(Code128Data(std::string("A\x1F\xE9\x7F~ \x80", 7)), "A\x7F~ ");
  EXPECT_EQ(Code128Data("\r\n\t"), "");
}

}  // namespace
}  // namespace korvix
