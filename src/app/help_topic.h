#pragma once

#include <string>

namespace korvix {

// Where the help pages are: `folder`, which with every page in it must lie
// inside `prefix` once links are followed.
struct HelpPlace {
  std::string folder;
  std::string prefix;
};

// The page an empty topic stands for.
inline constexpr char kHelpStartPage[] = "index.html";

// The installed help pages: share/korvix/help beside the program's bin
// folder.
std::string InstalledHelpFolder(const std::string& executable);

enum class HelpLookupStatus {
  Found,
  NotAPageName,  // holds a "/" or is ".." or "."
  NoFolder,      // the help folder is not there, or is no folder
  FolderUnreadable,
  FolderOutside,  // the help folder leads out of the prefix
  NoPage,
  PageUnreadable,
  PageOutside,  // the page is a link out of the prefix
};

struct HelpLookup {
  HelpLookupStatus status = HelpLookupStatus::NoFolder;
  std::string page;    // the page looked for: the start page for an empty topic
  std::string file;    // Found: the page's file in the help folder
  std::string reason;  // the system's reason, or where a link leads
};

// Finds the page of a help topic (the start page for an empty `page`).
HelpLookup LookUpHelpTopic(const HelpPlace& place, const std::string& page);

// The file of a help topic page, or empty when no such page is installed.
std::string HelpTopicFile(const HelpPlace& place, const std::string& page);

// What the help window tells when a lookup failed: which page, where it
// looked and why it is not shown, one sentence a line.
std::string HelpLookupMessage(const HelpPlace& place, const HelpLookup& lookup);

}  // namespace korvix
