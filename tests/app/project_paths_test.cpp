#include <gtest/gtest.h>

#include "app/project_paths.h"

namespace korvix {
namespace {

TEST(ProjectPaths, SamplesFolderAndSaveSuggestion) {
  EXPECT_TRUE(IsSamplesProject("/opt/kvx/Samples/Demo.kvx", "/opt/kvx"));
  EXPECT_TRUE(IsSamplesProject("/opt/kvx/x/../Samples/Demo.kvx", "/opt/kvx/"));
  EXPECT_FALSE(IsSamplesProject("/opt/kvx/Samples/more/Demo.kvx", "/opt/kvx"));
  EXPECT_FALSE(IsSamplesProject("/home/op/Samples/Demo.kvx", "/opt/kvx"));
  EXPECT_FALSE(IsSamplesProject("", "/opt/kvx"));

  EXPECT_EQ(SaveAsSuggestion("/opt/kvx/Samples/Demo.kvx", "/opt/kvx", "/home/op"), "/home/op/Demo.kvx");
  EXPECT_EQ(SaveAsSuggestion("/data/plant.kvx", "/opt/kvx", "/home/op"), "/data/plant.kvx");
  EXPECT_EQ(SaveAsSuggestion("", "/opt/kvx", "/home/op"), "/home/op/Untitled.kvx");
}

TEST(ProjectPaths, NamesAndExtensions) {
  EXPECT_EQ(AbsoluteProjectPath("a/../b.kvx", "/work"), "/work/b.kvx");
  EXPECT_EQ(AbsoluteProjectPath("/x//y.kvx", "/work"), "/x/y.kvx");
  EXPECT_EQ(WithProjectExtension("/p/line3"), "/p/line3.kvx");
  EXPECT_EQ(WithProjectExtension("/p/line3.old"), "/p/line3.old");
  EXPECT_EQ(WithProjectExtension(""), "");
  EXPECT_EQ(ProjectTitle("/p/line3.kvx"), "line3.kvx");
  EXPECT_EQ(ProjectTitle(""), "Untitled");
}

}  // namespace
}  // namespace korvix
