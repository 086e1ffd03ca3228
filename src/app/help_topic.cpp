#include "app/help_topic.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

namespace korvix {

namespace {

constexpr char kHelpFolderBelowPrefix[] = "/share/korvix/help";

std::string Parent(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// Empty when the path cannot be resolved.
std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  return realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

bool Inside(const std::string& path, const std::string& tree) {
  if (tree == "/") return !path.empty();
  return path == tree ||
         (path.size() > tree.size() && path.compare(0, tree.size(), tree) == 0 && path[tree.size()] == '/');
}

HelpLookup Failed(HelpLookup lookup, HelpLookupStatus status, std::string reason = {}) {
  lookup.status = status;
  lookup.reason = std::move(reason);
  return lookup;
}

}  // namespace

std::string InstalledHelpFolder(const std::string& executable) {
  return Parent(Parent(executable)) + kHelpFolderBelowPrefix;
}

HelpLookup LookUpHelpTopic(const HelpPlace& place, const std::string& page) {
  HelpLookup lookup;
  lookup.page = page.empty() ? kHelpStartPage : page;
  // Topic names are ours and links are followed by name, but never let one
  // climb out of the help folder.
  if (lookup.page.find('/') != std::string::npos || lookup.page == ".." || lookup.page == ".")
    return Failed(lookup, HelpLookupStatus::NotAPageName);

  struct stat info {};
  if (stat(place.folder.c_str(), &info) != 0) return Failed(lookup, HelpLookupStatus::NoFolder, std::strerror(errno));
  if (!S_ISDIR(info.st_mode)) return Failed(lookup, HelpLookupStatus::NoFolder, std::strerror(ENOTDIR));
  const std::string realfolder = RealPath(place.folder);
  const std::string realprefix = place.prefix.empty() ? realfolder : RealPath(place.prefix);
  if (realfolder.empty() || realprefix.empty() || !Inside(realfolder, realprefix))
    return Failed(lookup, HelpLookupStatus::FolderOutside, realfolder);
  if (DIR* dir = opendir(place.folder.c_str())) {
    closedir(dir);
  } else {
    return Failed(lookup, HelpLookupStatus::FolderUnreadable, std::strerror(errno));
  }

  const std::string file = place.folder + "/" + lookup.page;
  if (stat(file.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return Failed(lookup, HelpLookupStatus::NoPage);
  const std::string realfile = RealPath(file);
  if (!Inside(realfile, realprefix)) return Failed(lookup, HelpLookupStatus::PageOutside, realfile);
  const int fd = open(file.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return Failed(lookup, HelpLookupStatus::PageUnreadable, std::strerror(errno));
  close(fd);
  lookup.status = HelpLookupStatus::Found;
  lookup.file = file;
  return lookup;
}

std::string HelpTopicFile(const HelpPlace& place, const std::string& page) {
  const HelpLookup lookup = LookUpHelpTopic(place, page);
  return lookup.status == HelpLookupStatus::Found ? lookup.file : std::string();
}

std::string HelpLookupMessage(const HelpPlace& place, const HelpLookup& lookup) {
  const std::string head = "The help page \"" + lookup.page + "\" cannot be shown.\n";
  const std::string looked = "Korvix looked for it in " + place.folder;
  const std::string found = "Korvix found it in " + place.folder;
  const std::string prefix = place.prefix.empty() ? place.folder : place.prefix;
  switch (lookup.status) {
    case HelpLookupStatus::Found: return {};
    case HelpLookupStatus::NotAPageName:
      return head + "A page is named without a folder; Korvix looks for its pages in " + place.folder + " only.\n";
    case HelpLookupStatus::NoFolder: return head + looked + ", which is not there: " + lookup.reason + ".\n";
    case HelpLookupStatus::FolderUnreadable: return head + looked + ", which cannot be read: " + lookup.reason + ".\n";
    case HelpLookupStatus::FolderOutside:
      return head + looked + ", which leads to " + lookup.reason + ", outside " + prefix + ".\n";
    case HelpLookupStatus::NoPage: return head + looked + ", which holds no such page.\n";
    case HelpLookupStatus::PageUnreadable: return head + found + ", but it cannot be read: " + lookup.reason + ".\n";
    case HelpLookupStatus::PageOutside:
      return head + found + ", but it leads to " + lookup.reason + ", outside " + prefix + ".\n";
  }
  return head;
}

}  // namespace korvix
