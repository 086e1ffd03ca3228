#pragma once

#include <string>
#include <vector>

#include "document/automation_records.h"

namespace korvix {

// One line of a step list: the step's name in angle brackets, " , " and the
// first text when either text is set, " , " and the second text when that
// is set; each CR LF shows as a blank and runs of blanks as one, and the
// line is led by one tab per nesting level.
std::string RenderScriptStepLine(const ScriptStep& step, int depth);

// The lines of every step in order, each indented by its nesting, as the
// lists show them.
std::vector<std::string> RenderScriptStepLines(const ScriptStepList& steps);

}  // namespace korvix
