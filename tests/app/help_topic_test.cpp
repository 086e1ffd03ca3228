#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "app/help_topic.h"
#include "app/install_layout.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

TEST(InstallLayout, AnInstalledProgramLooksBesideItsBinFolderAndOneRunWhereItWasBuiltInItsSources) {
  ScratchFolder folder;
  std::filesystem::create_directories(folder / "build/src/ui");
  const BuildTree built{folder / "build/src/ui", folder / "source"};

  const InstallLayout installed = LayoutOf("/opt/korvix 2/bin/korvix", built);
  EXPECT_TRUE(installed.installed);
  EXPECT_EQ(installed.prefix, "/opt/korvix 2");
  EXPECT_EQ(installed.help.folder, "/opt/korvix 2/share/korvix/help");
  EXPECT_EQ(installed.help.prefix, "/opt/korvix 2");
  EXPECT_EQ(installed.samplesfolder, "/opt/korvix 2/share/korvix/samples");
  EXPECT_EQ(InstalledHelpFolder("/usr/bin/korvix"), "/usr/share/korvix/help");

  const InstallLayout uninstalled = LayoutOf(folder / "build/src/ui/korvix", built);
  EXPECT_FALSE(uninstalled.installed);
  EXPECT_EQ(uninstalled.help.folder, folder / "source/help");
  EXPECT_EQ(uninstalled.help.prefix, folder.Path() + "/source");
  EXPECT_EQ(uninstalled.samplesfolder, folder / "source/Samples");

  // The build folder is known by its real path, as the running program is.
  std::filesystem::create_directory_symlink(folder / "build", folder / "linked");
  const BuildTree linked{folder / "linked/src/ui", folder / "source"};
  EXPECT_FALSE(LayoutOf(folder / "build/src/ui/korvix", linked).installed);
  // A copy of the built program elsewhere is an installed one.
  EXPECT_TRUE(LayoutOf(folder / "build/src/korvix", built).installed);
  EXPECT_TRUE(LayoutOf(folder / "build/src/ui/korvix", BuildTree{}).installed);
}

class HelpTopic : public ::testing::Test {
protected:
  HelpTopic() {
    WriteFile(place.folder + "/index.html", "<html/>");
    WriteFile(place.folder + "/DataWindow.htm", "<html/>");
    WriteFile(folder / "outside/secret.htm", "secret");
    std::filesystem::create_symlink(folder / "outside/secret.htm", place.folder + "/Secret.htm");
    std::filesystem::create_symlink("DataWindow.htm", place.folder + "/Alias.htm");
    std::filesystem::create_directories(place.folder + "/Folder.htm");
  }

  ScratchFolder folder;
  const HelpPlace place{folder / "usr/share/korvix/help", folder / "usr"};
};

TEST_F(HelpTopic, FindsOnlyPagesThatLieInTheHelpFolderWithinThePrefix) {
  const struct {
    const char* page;
    HelpLookupStatus status;
    const char* looked;  // the page name looked for
  } cases[] = {
      {"", HelpLookupStatus::Found, "index.html"},
      {"DataWindow.htm", HelpLookupStatus::Found, "DataWindow.htm"},
      {"Alias.htm", HelpLookupStatus::Found, "Alias.htm"},
      {"Missing.htm", HelpLookupStatus::NoPage, "Missing.htm"},
      {"Folder.htm", HelpLookupStatus::NoPage, "Folder.htm"},
      {"Secret.htm", HelpLookupStatus::PageOutside, "Secret.htm"},
      {"../../../bin/korvix", HelpLookupStatus::NotAPageName, "../../../bin/korvix"},
      {"..", HelpLookupStatus::NotAPageName, ".."},
      {".", HelpLookupStatus::NotAPageName, "."},
      {"/etc/passwd", HelpLookupStatus::NotAPageName, "/etc/passwd"},
  };
  for (const auto& c : cases) {
    const HelpLookup lookup = LookUpHelpTopic(place, c.page);
    EXPECT_EQ(lookup.status, c.status) << c.page;
    EXPECT_EQ(lookup.page, c.looked) << c.page;
    EXPECT_EQ(HelpTopicFile(place, c.page), c.status == HelpLookupStatus::Found ? place.folder + "/" + c.looked : "")
        << c.page;
    const std::string message = HelpLookupMessage(place, lookup);
    if (c.status == HelpLookupStatus::Found) {
      EXPECT_EQ(message, "") << c.page;
    } else {
      // Which page, and where it was looked for.
      EXPECT_NE(message.find("\"" + std::string(c.looked) + "\""), std::string::npos) << message;
      EXPECT_NE(message.find(place.folder), std::string::npos) << message;
    }
  }
  EXPECT_NE(HelpLookupMessage(place, LookUpHelpTopic(place, "Secret.htm")).find(folder / "outside/secret.htm"),
            std::string::npos);
}

TEST_F(HelpTopic, AFolderThatIsMissingOrLeadsOutOfThePrefixIsTold) {
  const HelpPlace missing{folder / "usr/share/korvix/nohelp", place.prefix};
  const HelpLookup nofolder = LookUpHelpTopic(missing, "DataWindow.htm");
  EXPECT_EQ(nofolder.status, HelpLookupStatus::NoFolder);
  EXPECT_EQ(HelpLookupMessage(missing, nofolder),
            "The help page \"DataWindow.htm\" cannot be shown.\nKorvix looked for it in " + missing.folder +
                ", which is not there: No such file or directory.\n");

  WriteFile(folder / "usr/share/korvix/file", "not a folder");
  EXPECT_EQ(LookUpHelpTopic({folder / "usr/share/korvix/file", place.prefix}, "").status, HelpLookupStatus::NoFolder);

  // A help folder linked to pages elsewhere: not even its start page.
  std::filesystem::create_directory_symlink(folder / "outside", folder / "usr/share/korvix/linked");
  const HelpPlace linked{folder / "usr/share/korvix/linked", place.prefix};
  const HelpLookup outside = LookUpHelpTopic(linked, "secret.htm");
  EXPECT_EQ(outside.status, HelpLookupStatus::FolderOutside);
  const std::string message = HelpLookupMessage(linked, outside);
  EXPECT_NE(message.find(folder / "outside"), std::string::npos) << message;
  EXPECT_NE(message.find("outside " + place.prefix), std::string::npos) << message;
  // Within the prefix a linked folder is as good as the folder itself.
  std::filesystem::create_directory_symlink(place.folder, folder / "usr/share/korvix/samehelp");
  EXPECT_EQ(LookUpHelpTopic({folder / "usr/share/korvix/samehelp", place.prefix}, "").status, HelpLookupStatus::Found);
}

TEST_F(HelpTopic, AFolderOrPageTheUserMayNotReadIsTold) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
  chmod((place.folder + "/DataWindow.htm").c_str(), 0);
  EXPECT_EQ(LookUpHelpTopic(place, "DataWindow.htm").status, HelpLookupStatus::PageUnreadable);
  chmod(place.folder.c_str(), 0);
  const HelpLookup lookup = LookUpHelpTopic(place, "");
  chmod(place.folder.c_str(), 0755);
  EXPECT_EQ(lookup.status, HelpLookupStatus::FolderUnreadable);
  EXPECT_NE(HelpLookupMessage(place, lookup).find("Permission denied"), std::string::npos);
}

}  // namespace
}  // namespace korvix
