#include "app/install_layout.h"

#include <climits>
#include <cstdlib>

namespace korvix {

namespace {

constexpr char kSamplesBelowPrefix[] = "/share/korvix/samples";
constexpr char kSourceHelpFolder[] = "/help";
constexpr char kSourceSamplesFolder[] = "/Samples";

std::string Parent(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos || slash == 0 ? std::string() : path.substr(0, slash);
}

// The running program's path has its links resolved; so must the folder it
// is compared with.
std::string RealPath(const std::string& path) {
  char resolved[PATH_MAX];
  return !path.empty() && realpath(path.c_str(), resolved) ? std::string(resolved) : std::string();
}

}  // namespace

InstallLayout LayoutOf(const std::string& executable, const BuildTree& built) {
  InstallLayout layout;
  const std::string folder = Parent(executable);
  const std::string buildfolder = RealPath(built.programfolder);
  if (!buildfolder.empty() && folder == buildfolder) {
    layout.prefix = built.sourcefolder;
    layout.help = {built.sourcefolder + kSourceHelpFolder, built.sourcefolder};
    layout.samplesfolder = built.sourcefolder + kSourceSamplesFolder;
    return layout;
  }
  layout.installed = true;
  layout.prefix = Parent(folder);
  layout.help = {InstalledHelpFolder(executable), layout.prefix};
  layout.samplesfolder = layout.prefix + kSamplesBelowPrefix;
  return layout;
}

}  // namespace korvix
