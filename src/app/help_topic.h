#pragma once

#include <string>

namespace korvix {

// The installed help pages: share/korvix/help beside the program's bin
// folder.
std::string InstalledHelpFolder(const std::string& executable);

// The file of a help topic page (the start page for an empty `page`), or
// empty when no such page is installed.
std::string HelpTopicFile(const std::string& helpfolder, const std::string& page);

}  // namespace korvix
