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

// The lines of every step in order, each step's `depth` computed and stored
// on the way, as the lists show them.
std::vector<std::string> RenderScriptStepLines(ScriptStepList& steps);

}  // namespace korvix
