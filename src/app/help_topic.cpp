#include "app/help_topic.h"

#include <sys/stat.h>

namespace korvix {

namespace {

constexpr char kHelpFolderBelowPrefix[] = "/share/korvix/help";
constexpr char kStartPage[] = "index.html";

std::string Parent(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

}  // namespace

std::string InstalledHelpFolder(const std::string& executable) {
  return Parent(Parent(executable)) + kHelpFolderBelowPrefix;
}

std::string HelpTopicFile(const std::string& helpfolder, const std::string& page) {
  const std::string name = page.empty() ? kStartPage : page;
  // Topic names are ours, but never let one climb out of the help folder.
  if (name.find('/') != std::string::npos || name == "..") return {};
  const std::string file = helpfolder + "/" + name;
  struct stat info {};
  return stat(file.c_str(), &info) == 0 && S_ISREG(info.st_mode) ? file : std::string();
}

}  // namespace korvix
