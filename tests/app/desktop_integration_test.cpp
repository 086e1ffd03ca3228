#include <gtest/gtest.h>

#include <sys/stat.h>
#include <chrono>
#include <filesystem>
#include <thread>

#include "app/desktop_integration.h"
#include "app/process_start.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

TEST(DesktopIntegration, InstallsOnceAndRemoves) {
  ScratchFolder folder;
  const DesktopIntegration where{folder / "data", "/opt/my $tools/korvix", false};
  std::string error;
  ASSERT_TRUE(InstallDesktopIntegration(where, error)) << error;

  const std::string entry = ReadFile(where.DesktopEntryPath());
  EXPECT_NE(entry.find("Exec=\"/opt/my \\$tools/korvix\" %f\n"), std::string::npos) << entry;
  EXPECT_NE(entry.find("MimeType=application/x-korvix-project;\n"), std::string::npos);
  const std::string mime = ReadFile(where.MimePackagePath());
  EXPECT_NE(mime.find("<glob pattern=\"*.kvx\"/>"), std::string::npos);
  EXPECT_EQ(where.MimePackagePath(), folder / "data/mime/packages/korvix.xml");

  // A second start with nothing changed rewrites nothing.
  struct stat before {
  }, after{};
  stat(where.DesktopEntryPath().c_str(), &before);
  ASSERT_TRUE(InstallDesktopIntegration(where, error)) << error;
  stat(where.DesktopEntryPath().c_str(), &after);
  EXPECT_EQ(before.st_ino, after.st_ino);

  // A moved program gets its entry mended.
  const DesktopIntegration moved{where.datahome, "/usr/bin/korvix", false};
  ASSERT_TRUE(InstallDesktopIntegration(moved, error)) << error;
  EXPECT_NE(ReadFile(where.DesktopEntryPath()).find("Exec=\"/usr/bin/korvix\" %f"), std::string::npos);

  ASSERT_TRUE(RemoveDesktopIntegration(where, error)) << error;
  EXPECT_FALSE(std::filesystem::exists(where.DesktopEntryPath()));
  EXPECT_FALSE(std::filesystem::exists(where.MimePackagePath()));
  EXPECT_TRUE(RemoveDesktopIntegration(where, error)) << error;
}

TEST(DesktopIntegration, PlantedLinksUnderOldTemporaryNamesAreNotWrittenThrough) {
  ScratchFolder folder;
  const DesktopIntegration where{folder / "data", "/usr/bin/korvix", false};
  WriteFile(folder / "victim", "keep");
  for (const std::string& path : {where.DesktopEntryPath(), where.MimePackagePath()}) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::filesystem::create_symlink(folder / "victim", path + ".tmp");
  }
  std::string error;
  ASSERT_TRUE(InstallDesktopIntegration(where, error)) << error;
  EXPECT_EQ(ReadFile(folder / "victim"), "keep");
  EXPECT_NE(ReadFile(where.DesktopEntryPath()).find("Exec="), std::string::npos);
}

TEST(DesktopIntegration, UnwritableFolderIsReported) {
  ScratchFolder folder;
  WriteFile(folder / "data", "a file where a folder should be");
  const DesktopIntegration where{folder / "data", "/usr/bin/korvix", false};
  std::string error;
  EXPECT_FALSE(InstallDesktopIntegration(where, error));
  EXPECT_FALSE(error.empty());
}

TEST(ProcessStart, StartsWithoutWaitingAndReportsWhatCannotStart) {
  ScratchFolder folder;
  const std::string mark = folder / "started";
  std::string error;
  ASSERT_TRUE(StartDetachedProcess("/bin/sh", {"-c", "echo yes > '" + mark + "'"}, error)) << error;
  for (int i = 0; i < 500 && ReadFile(mark) != "yes\n"; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(ReadFile(mark), "yes\n");

  EXPECT_FALSE(StartDetachedProcess(folder / "missing", {}, error));
  EXPECT_FALSE(error.empty());
  WriteFile(folder / "plain", "not a program");
  EXPECT_FALSE(StartDetachedProcess(folder / "plain", {}, error));
}

TEST(DesktopIntegration, AnInstalledEntryCountsWhereTheDesktopReadsItsPrefix) {
  ScratchFolder folder;
  const std::string prefix = folder / "usr";
  const std::string dirs = folder / "other/share:" + prefix + "/share/";
  EXPECT_FALSE(DesktopReadsInstalledEntry(prefix, dirs.c_str()));  // nothing installed there
  WriteFile(prefix + "/share/applications/korvix.desktop", DesktopEntryText(prefix + "/bin/korvix"));
  EXPECT_TRUE(DesktopReadsInstalledEntry(prefix, dirs.c_str()));
  EXPECT_FALSE(DesktopReadsInstalledEntry(prefix, (folder / "other/share").c_str()));
  // Unset, the desktop reads /usr/local/share and /usr/share only.
  EXPECT_FALSE(DesktopReadsInstalledEntry(prefix, nullptr));
  EXPECT_FALSE(DesktopReadsInstalledEntry(prefix, ""));
}

}  // namespace
}  // namespace korvix
