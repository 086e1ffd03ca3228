#include "automationedit/script_step_lines.h"

#include <algorithm>

#include "automation/step_codes.h"

namespace korvix {

namespace {

constexpr const char* kFieldSeparator = " , ";

// A line break inside a field would split the list line; the list shows
// every step on exactly one.
std::string OnOneLine(const std::string& text) {
  std::string line;
  line.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      c = ' ';
      ++i;
    }
    if (c == ' ' && !line.empty() && line.back() == ' ') continue;
    line += c;
  }
  return line;
}

}  // namespace

std::string RenderScriptStepLine(const ScriptStep& step, int depth) {
  std::string line = "<" + StepNameFromCode(step.code) + ">";
  if (!step.param1.empty() || !step.param2.empty()) line += kFieldSeparator + step.param1;
  if (!step.param2.empty()) line += kFieldSeparator + step.param2;
  return std::string(static_cast<std::size_t>(std::max(0, depth)), '\t') + OnOneLine(line);
}

std::vector<std::string> RenderScriptStepLines(const ScriptStepList& steps) {
  const std::vector<int> depths = ComputeStepDepths(steps);
  std::vector<std::string> lines;
  lines.reserve(depths.size());
  for (int i = 0; i < steps.Count(); ++i)
    lines.push_back(RenderScriptStepLine(steps[i], depths[static_cast<std::size_t>(i)]));
  return lines;
}

}  // namespace korvix
