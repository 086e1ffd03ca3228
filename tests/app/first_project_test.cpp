#include <gtest/gtest.h>

#include "app/first_project.h"
#include "app/recent_file_list.h"
#include "platform/profile.h"
#include "scratch_folder.h"

namespace korvix {
namespace {

class FirstProject : public ::testing::Test {
protected:
  void SetUp() override {
    demo = folder / "samples/Demo.kvx";
    WriteFile(demo, "demo");
    profile.WriteProfileString("Recent File List", "File1", "/projects/last.kvx");
  }
  ScratchFolder folder;
  MemoryProfile profile;
  std::string demo;
};

TEST_F(FirstProject, CommandLineFileWinsAndLeavesTheDemoForLater) {
  EXPECT_EQ(ChooseFirstProject(profile, "/x/plant.kvx", folder / "samples"), "/x/plant.kvx");
  EXPECT_EQ(profile.GetProfileString("Configuration", "DemoVersion"), "");
  EXPECT_EQ(ChooseFirstProject(profile, "", folder / "samples"), demo);
}

TEST_F(FirstProject, DemoOncePerDemoVersionThenTheMostRecentFile) {
  EXPECT_EQ(ChooseFirstProject(profile, "", folder / "samples"), demo);
  EXPECT_EQ(profile.GetProfileString("Configuration", "DemoVersion"), "8.1");
  EXPECT_EQ(ChooseFirstProject(profile, "", folder / "samples"), "/projects/last.kvx");
  profile.WriteProfileString("Configuration", "DemoVersion", "8.0");
  EXPECT_EQ(ChooseFirstProject(profile, "", folder / "samples"), demo);
}

TEST_F(FirstProject, MissingDemoFallsBackWithoutUsingUpItsTurn) {
  ScratchFolder elsewhere;
  EXPECT_EQ(ChooseFirstProject(profile, "", elsewhere / "samples"), "/projects/last.kvx");
  EXPECT_EQ(profile.GetProfileString("Configuration", "DemoVersion"), "");
  MemoryProfile empty;
  EXPECT_EQ(ChooseFirstProject(empty, "", elsewhere / "samples"), "");
}

TEST(RecentFileList, KeepsFourNewestFirstWithoutDuplicates) {
  MemoryProfile profile;
  profile.WriteProfileString("Recent File List", "File1", "/a.kvx");
  profile.WriteProfileString("Recent File List", "File2", "/b.kvx");
  RecentFileList list;
  list.Load(profile);
  for (const char* path : {"/c.kvx", "/d.kvx", "/e.kvx", "/b.kvx"}) list.Add(path);
  EXPECT_EQ(list.Files(), (std::vector<std::string>{"/b.kvx", "/e.kvx", "/d.kvx", "/c.kvx"}));
  list.Remove("/e.kvx");
  list.Save(profile);
  EXPECT_EQ(MostRecentFile(profile), "/b.kvx");
  EXPECT_EQ(profile.GetProfileString("Recent File List", "File3"), "/c.kvx");
  EXPECT_FALSE(profile.HasKey("Recent File List", "File4"));
}

}  // namespace
}  // namespace korvix
