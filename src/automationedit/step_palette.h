#pragma once

#include <string>
#include <vector>

namespace korvix {

// The "Available Functions" lines in their groups: each step kind's display
// name led by a tab, the groups parted by lines of hyphens, for which
// StepCodeFromName finds no step.
std::vector<std::string> StepPaletteLines();

}  // namespace korvix
