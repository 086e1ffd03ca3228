#pragma once

#include <string>

#include "app/help_topic.h"

namespace korvix {

// Where the program that was built runs from, and the source tree it was
// built from; both empty where nothing is known of a build.
struct BuildTree {
  std::string programfolder;
  std::string sourcefolder;
};

// Where the program finds the files it ships. An installed program finds
// them in <prefix>/share/korvix beside its own bin folder, so that any
// prefix works; the program that runs in the folder it was built in takes
// them from its source tree, where they are kept.
struct InstallLayout {
  bool installed = false;
  std::string prefix;
  HelpPlace help;
  std::string samplesfolder;
};

InstallLayout LayoutOf(const std::string& executable, const BuildTree& built);

}  // namespace korvix
