#include "automationedit/script_nesting.h"

#include <gtest/gtest.h>

#include "automation/step_codes.h"

namespace korvix {
namespace {

constexpr int kIf = kStepIf, kElseIf = kStepElseIf, kElse = kStepElse, kEndIf = kStepEndIf, kLoop = kStepLoop,
              kExit = kStepExitLoopIf, kEndLoop = kStepEndLoop, kOther = kStepTransmitCommand;

ScriptStepList Steps(std::initializer_list<int> codes) {
  ScriptStepList steps;
  for (const int code : codes) {
    ScriptStep step;
    step.code = code;
    steps.Add(step);
  }
  return steps;
}

TEST(ScriptNesting, TheFirstFaultNamesItsStep) {
  const struct {
    std::initializer_list<int> codes;
    int step;  // -1: accepted
    const char* message;
  } cases[] = {
      {{}, -1, ""},
      {{kIf, kOther, kElse, kOther, kElseIf, kEndIf}, -1, ""},
      {{kLoop, kIf, kExit, kEndIf, kOther, kExit, kEndLoop},
       2,
       "<Exit Loop IF> function without a preceding \r<Loop> function in this grouping level."},
      {{kLoop, kIf, kLoop, kExit, kEndLoop, kEndIf, kExit, kEndLoop, kOther}, -1, ""},
      {{kIf, kElse, kElse, kEndIf}, 2, "<IF> function cannot contain multiple <Else> functions."},
      {{kIf, kElse, kIf, kElse, kEndIf, kEndIf}, -1, ""},
      {{kOther, kIf, kOther}, 1, "<IF> function without a subsequent \r<End IF> function in this grouping level."},
      {{kLoop, kOther}, 0, "<Loop> function without a subsequent \r<End Loop> function in this grouping level."},
      {{kIf, kLoop, kEndLoop}, 0, "<IF> function without a subsequent \r<End IF> function in this grouping level."},
      {{kIf, kEndIf, kElseIf}, 2, "<Else IF> function without a preceding <IF> function."},
      {{kElse}, 0, "<Else> function without a preceding <IF> function."},
      {{kEndIf}, 0, "<End IF> function without a preceding <IF> function."},
      {{kExit}, 0, "<Exit Loop IF> function without a preceding <Loop> function."},
      {{kOther, kEndLoop}, 1, "<End Loop> function without a preceding <Loop> function."},
      {{kIf, kEndLoop}, 1, "<End Loop> function without a preceding \r<Loop> function in this grouping level."},
      {{kLoop, kElseIf, kEndLoop}, 1, "<Else IF> function without a preceding \r<IF> function in this grouping level."},
      {{kLoop, kElse}, 1, "<Else> function without a preceding \r<IF> function in this grouping level."},
      {{kLoop, kEndIf}, 1, "<End IF> function without a preceding \r<IF> function in this grouping level."},
  };
  for (const auto& c : cases) {
    const std::optional<NestingProblem> problem = ScriptNestingProblem(Steps(c.codes));
    if (c.step < 0) {
      EXPECT_FALSE(problem) << problem->message;
    } else {
      ASSERT_TRUE(problem) << c.message;
      EXPECT_EQ(problem->step, c.step) << c.message;
      EXPECT_EQ(problem->message, c.message);
    }
  }
}

}  // namespace
}  // namespace korvix
