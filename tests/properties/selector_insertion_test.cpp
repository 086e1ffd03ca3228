#include <gtest/gtest.h>

#include "properties/selector_insertion.h"

namespace korvix::testing {
namespace {

TEST(SelectorInsertion, EachKindPlacesTheChoiceAndTheCaret) {
  using enum SelectorInsertion;
  const struct {
    SelectorInsertion kind;
    int length, selstart, selend;
    const char* chosen;
    FieldChange change;
  } cases[] = {
      {LabelReference, 10, 3, 3, "{Tank1}", {3, 3, "{Tank1}", 10}},
      {LabelReference, 10, 5, 2, "{Tank1}", {2, 5, "{Tank1}", 9}},
      {TargetLabel, 4, 1, 2, "Tank1", {0, 4, "Tank1", 5}},
      {MathFunction, 0, 0, 0, "$ABS(  )", {0, 0, "$ABS(  )", 6}},
      {MathFunction, 6, 2, 4, "$SQRT(  )", {2, 4, "$SQRT(  )", 9}},
      {MathFunction, 3, 7, 9, "$LOG(  )", {3, 3, "$LOG(  )", 9}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PlanSelectorInsertion(c.kind, c.length, c.selstart, c.selend, c.chosen), c.change) << c.chosen;
}

}  // namespace
}  // namespace korvix::testing
