#pragma once

#include <string>
#include <vector>

namespace korvix {

constexpr const char* kFunctionSeparator = "-------------------------------------------";

// The Function Selector's list, grouped by topic rather than in code order:
// separator lines between the groups, each action as a TAB and its
// selector name. Without waits the five waiting actions are left out.
std::vector<std::string> FunctionSelectorLines(bool withwaits);

}  // namespace korvix
