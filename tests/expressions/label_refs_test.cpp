#include <gtest/gtest.h>

#include "expressions/label_refs.h"
#include "map_label_reader.h"

namespace korvix::testing {
namespace {

struct RefCase {
  const char* text;
  const char* expanded;
};

class ExpandLabelRefsTest : public ::testing::TestWithParam<RefCase> {};

TEST_P(ExpandLabelRefsTest, ReplacesReferencesThenCharacterCodes) {
  MapLabelReader reader;
  reader.values = {{"Tank1", "42.5"}, {"Name", "{Tank1}[65]"}, {"recdata", "A12"}};
  EXPECT_EQ(ExpandLabelRefs(GetParam().text, reader), GetParam().expanded);
}

INSTANTIATE_TEST_SUITE_P(Texts, ExpandLabelRefsTest,
                         ::testing::Values(RefCase{"A{Tank1}[13]", "A42.5\r"}, RefCase{"{ tank 1 } C", "42.5 C"},
                                           RefCase{"{recdata}{Tank1}", "A1242.5"},
                                           // An inserted value is never expanded again.
                                           RefCase{"x{Name}", "x{Tank1}[65]"}, RefCase{"open {Tank1", "open {Tank1"},
                                           RefCase{"}{Tank1}{", "}42.5{"}, RefCase{"{Nothing} here", "Error here"},
                                           RefCase{"{}", ""}, RefCase{"[256][-1][65]", "[256][-1]A"}, RefCase{"", ""}));

TEST(ReferencedLabels, ListsTheNamesInBracesInOrder) {
  EXPECT_EQ(ReferencedLabels("{a} > 1 AND {b c} = {a"), (std::vector<std::string>{"a", "b c"}));
  EXPECT_TRUE(ReferencedLabels("no refs } {").empty());
}

}  // namespace
}  // namespace korvix::testing
