#pragma once

#include <optional>
#include <string>

#include "document/automation_records.h"

namespace korvix {

struct NestingProblem {
  int step;  // the step to select: where the scan stopped, or the unclosed IF or Loop
  std::string message;
};

// Whether the IF and Loop steps pair up: Else IF, Else and End IF only in an
// IF's own level, Exit Loop IF and End Loop only in a Loop's own level, one
// Else per IF, every IF and Loop closed. The first fault found, if any.
std::optional<NestingProblem> ScriptNestingProblem(const ScriptStepList& steps);

}  // namespace korvix
