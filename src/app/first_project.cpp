#include "app/first_project.h"

#include <sys/stat.h>

#include "app/profile_keys.h"
#include "app/recent_file_list.h"

namespace korvix {

namespace {

constexpr char kDemoVersionKey[] = "DemoVersion";
constexpr char kDemoVersion[] = "8.1";
constexpr char kDemoProject[] = "Demo.kvx";

bool IsRegularFile(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

}  // namespace

std::string ChooseFirstProject(Profile& profile, const std::string& commandlinefile, const std::string& samplesfolder) {
  if (!commandlinefile.empty()) return commandlinefile;
  if (profile.GetProfileString(kConfigurationSection, kDemoVersionKey) != kDemoVersion) {
    const std::string demo = samplesfolder + "/" + kDemoProject;
    if (IsRegularFile(demo)) {
      profile.WriteProfileString(kConfigurationSection, kDemoVersionKey, kDemoVersion);
      return demo;
    }
  }
  return MostRecentFile(profile);
}

}  // namespace korvix
