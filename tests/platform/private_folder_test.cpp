#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/private_folder.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

TEST(PrivateFolder, CreatedPrivateAndRefusedWhenOthersCouldReachIt) {
  ScratchFolder scratch;
  namespace fs = std::filesystem;
  fs::create_directory(scratch / "open");
  fs::permissions(scratch / "open", fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                        fs::perms::others_read | fs::perms::others_exec);
  fs::create_directory(scratch / "mine");
  fs::permissions(scratch / "mine", fs::perms::owner_all);
  fs::create_directory_symlink(scratch / "mine", scratch / "link");
  WriteFile(scratch / "file", "x");
  struct Case {
    std::string name;
    bool accepted;
  };
  const std::vector<Case> cases = {{"new", true}, {"mine", true}, {"open", false}, {"link", false}, {"file", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string error;
    const std::string path = scratch / c.name;
    EXPECT_EQ(EnsurePrivateFolder(path, error), c.accepted ? path : "");
    EXPECT_EQ(error.empty(), c.accepted);
  }
  struct stat info {};
  ASSERT_EQ(::stat((scratch / "new").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
}

TEST(PrivateFolder, RuntimeFolderFollowsTheEnvironment) {
  const std::string uid = std::to_string(::getuid());
  ::setenv("TMPDIR", "/scratch/tmp/", 1);
  ::setenv("XDG_RUNTIME_DIR", "/run/user/7", 1);
  EXPECT_EQ(PrivateTempFolderPath(), "/scratch/tmp/korvix-" + uid);
  EXPECT_EQ(PrivateRuntimeFolderPath(), "/run/user/7/korvix");
  ::unsetenv("XDG_RUNTIME_DIR");
  ::unsetenv("TMPDIR");
  EXPECT_EQ(PrivateRuntimeFolderPath(), "/tmp/korvix-" + uid);
}

}  // namespace
}  // namespace korvix
