#include <gtest/gtest.h>

#include <string>

#include "texts/label_texts.h"

namespace korvix {
namespace {

using namespace std::string_literals;

struct LabelCase {
  std::string a, b;
  bool equal;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << '"' << c.a << "\" \"" << c.b << '"'; }

class LabelsEqualTest : public ::testing::TestWithParam<LabelCase> {};

TEST_P(LabelsEqualTest, ComparesWithoutBlanksAndCase) {
  const LabelCase& c = GetParam();
  EXPECT_EQ(LabelsEqual(c.a, c.b), c.equal);
  EXPECT_EQ(LabelsEqual(c.b, c.a), c.equal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelsEqualTest,
    ::testing::Values(LabelCase{"Tank1", "Tank1", true}, LabelCase{"Tank1", "tank1", true},
                      LabelCase{"Tank 1", "TANK1", true}, LabelCase{" Tank1 ", "Tank1", true},
                      LabelCase{"T a n k 1", "tank1", true}, LabelCase{"Tank1", "Tank2", false},
                      LabelCase{"Tank1", "Tank10", false}, LabelCase{"Tank", "Tank1", false}, LabelCase{"", "", false},
                      LabelCase{"", "Tank1", false}, LabelCase{"  ", "  ", false}, LabelCase{" ", "", false},
                      LabelCase{"Conditional", "conditionals", false}, LabelCase{"recdata", "RecData", true},
                      // Only ASCII letters fold and only ' ' is a blank.
                      LabelCase{"\xE9t\xE9", "\xC9T\xC9", false}, LabelCase{"\xE9t\xE9", "\xE9T\xE9", true},
                      LabelCase{"a\tb", "ab", false}, LabelCase{"[", "{", false}, LabelCase{"@", "`", false},
                      LabelCase{"a\0b"s, "A\0B"s, true}, LabelCase{"a\0b"s, "ab", false}));

struct CodeCase {
  std::string text, expanded;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ExpandCharCodesTest : public ::testing::TestWithParam<CodeCase> {};

TEST_P(ExpandCharCodesTest, ReplacesDecimalCodes) { EXPECT_EQ(ExpandCharCodes(GetParam().text), GetParam().expanded); }

INSTANTIATE_TEST_SUITE_P(
    Codes, ExpandCharCodesTest,
    ::testing::Values(CodeCase{"", ""}, CodeCase{"AB", "AB"}, CodeCase{"[65]", "A"}, CodeCase{"#1RD[13]", "#1RD\r"},
                      CodeCase{"[13][10]", "\r\n"}, CodeCase{"[065]", "A"}, CodeCase{"[0]", "\0"s},
                      CodeCase{"[00]", "\0"s}, CodeCase{"[255]", "\xFF"}, CodeCase{"x[128]y", "x\x80y"},
                      CodeCase{"[256]", "[256]"}, CodeCase{"[999]", "[999]"}, CodeCase{"[0065]", "[0065]"},
                      CodeCase{"[1234]", "[1234]"}, CodeCase{"[]", "[]"}, CodeCase{"[abc]", "[abc]"},
                      CodeCase{"[ 13]", "[ 13]"}, CodeCase{"[13 ]", "[13 ]"}, CodeCase{"[-1]", "[-1]"},
                      CodeCase{"[+1]", "[+1]"}, CodeCase{"[6A]", "[6A]"}, CodeCase{"[65", "[65"},
                      CodeCase{"65]", "65]"}, CodeCase{"[", "["}, CodeCase{"]", "]"}, CodeCase{"[[65]", "[A"},
                      CodeCase{"[65]]", "A]"}, CodeCase{"[91]65]", "[65]"}, CodeCase{"a[9]b[32]c", "a\tb c"},
                      CodeCase{"{x}[13]", "{x}\r"}));

}  // namespace
}  // namespace korvix
