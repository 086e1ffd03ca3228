#include "automationedit/script_nesting.h"

#include <vector>

#include "automation/step_codes.h"

namespace korvix {

namespace {

constexpr const char* kTopElseIf = "<Else IF> function without a preceding <IF> function.";
constexpr const char* kTopElse = "<Else> function without a preceding <IF> function.";
constexpr const char* kTopEndIf = "<End IF> function without a preceding <IF> function.";
constexpr const char* kTopExitLoopIf = "<Exit Loop IF> function without a preceding <Loop> function.";
constexpr const char* kTopEndLoop = "<End Loop> function without a preceding <Loop> function.";
constexpr const char* kMultipleElse = "<IF> function cannot contain multiple <Else> functions.";
constexpr const char* kLevelExitLoopIf =
    "<Exit Loop IF> function without a preceding \r<Loop> function in this grouping level.";
constexpr const char* kLevelEndLoop =
    "<End Loop> function without a preceding \r<Loop> function in this grouping level.";
constexpr const char* kLevelElseIf = "<Else IF> function without a preceding \r<IF> function in this grouping level.";
constexpr const char* kLevelElse = "<Else> function without a preceding \r<IF> function in this grouping level.";
constexpr const char* kLevelEndIf = "<End IF> function without a preceding \r<IF> function in this grouping level.";
constexpr const char* kUnclosedIf = "<IF> function without a subsequent \r<End IF> function in this grouping level.";
constexpr const char* kUnclosedLoop =
    "<Loop> function without a subsequent \r<End Loop> function in this grouping level.";

struct Block {
  int code;  // kStepIf or kStepLoop
  int step;
  bool elseseen = false;
};

const char* TopLevelProblem(int code) {
  switch (code) {
    case kStepElseIf: return kTopElseIf;
    case kStepElse: return kTopElse;
    case kStepEndIf: return kTopEndIf;
    case kStepExitLoopIf: return kTopExitLoopIf;
    case kStepEndLoop: return kTopEndLoop;
    default: return nullptr;
  }
}

// Null when the step passes inside the block; closing is the caller's.
const char* IfBlockProblem(int code, Block& block) {
  switch (code) {
    case kStepElse:
      if (block.elseseen) return kMultipleElse;
      block.elseseen = true;
      return nullptr;
    case kStepExitLoopIf: return kLevelExitLoopIf;
    case kStepEndLoop: return kLevelEndLoop;
    default: return nullptr;
  }
}

const char* LoopBlockProblem(int code) {
  switch (code) {
    case kStepElseIf: return kLevelElseIf;
    case kStepElse: return kLevelElse;
    case kStepEndIf: return kLevelEndIf;
    default: return nullptr;
  }
}

}  // namespace

std::optional<NestingProblem> ScriptNestingProblem(const ScriptStepList& steps) {
  std::vector<Block> open;
  for (int i = 0; i < steps.Count(); ++i) {
    const int code = steps[i].code;
    if (code == kStepIf || code == kStepLoop) {
      open.push_back({code, i});
      continue;
    }
    const char* problem = nullptr;
    if (open.empty()) {
      problem = TopLevelProblem(code);
    } else if (open.back().code == kStepIf) {
      if (code == kStepEndIf) {
        open.pop_back();
        continue;
      }
      problem = IfBlockProblem(code, open.back());
    } else {
      if (code == kStepEndLoop) {
        open.pop_back();
        continue;
      }
      problem = LoopBlockProblem(code);
    }
    if (problem) return NestingProblem{i, problem};
  }
  if (open.empty()) return std::nullopt;
  const Block& unclosed = open.back();
  return NestingProblem{unclosed.step, unclosed.code == kStepIf ? kUnclosedIf : kUnclosedLoop};
}

}  // namespace korvix
