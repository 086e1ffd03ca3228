#pragma once

#include <string>

#include "platform/profile.h"

namespace korvix {

// The project the program opens once its window is up: the one named on the
// command line, else the demo project of the shipped samples once per demo
// release (when it is there), else the most recent project. Empty for none.
// Choosing the demo project records its release in the profile.
std::string ChooseFirstProject(Profile& profile, const std::string& commandlinefile, const std::string& samplesfolder);

}  // namespace korvix
