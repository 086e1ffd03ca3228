#include <gtest/gtest.h>

#include "app/project_paths.h"

namespace korvix {
namespace {

TEST(ProjectPaths, SamplesFolderAndSaveSuggestion) {
  EXPECT_TRUE(IsSamplesProject("/opt/kvx/samples/Demo.kvx", "/opt/kvx/samples"));
  EXPECT_TRUE(IsSamplesProject("/opt/kvx/x/../samples/Demo.kvx", "/opt/kvx/samples/"));
  EXPECT_FALSE(IsSamplesProject("/opt/kvx/samples/more/Demo.kvx", "/opt/kvx/samples"));
  EXPECT_FALSE(IsSamplesProject("/home/op/samples/Demo.kvx", "/opt/kvx/samples"));
  EXPECT_FALSE(IsSamplesProject("", "/opt/kvx/samples"));

  EXPECT_EQ(SaveAsSuggestion("/opt/kvx/samples/Demo.kvx", "/opt/kvx/samples", "/home/op"), "/home/op/Demo.kvx");
  EXPECT_EQ(SaveAsSuggestion("/data/plant.kvx", "/opt/kvx/samples", "/home/op"), "/data/plant.kvx");
  EXPECT_EQ(SaveAsSuggestion("", "/opt/kvx/samples", "/home/op"), "/home/op/Untitled.kvx");
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
