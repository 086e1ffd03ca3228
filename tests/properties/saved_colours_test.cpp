#include <gtest/gtest.h>

#include "platform/profile.h"
#include "properties/saved_colours.h"
#include "scratch_folder.h"

namespace korvix::testing {
namespace {

TEST(SavedColours, MissingKeysReadAsWhite) {
  MemoryProfile profile;
  profile.WriteProfileInt("SavedColors", "Color3", 0x0000FF);
  SavedColours expected;
  expected.fill(0xFFFFFF);
  expected[3] = 0x0000FF;
  EXPECT_EQ(ReadSavedColours(profile), expected);
}

TEST(SavedColours, WrittenColoursAreReadBackFromTheFile) {
  ScratchFolder folder;
  SavedColours colours;
  for (size_t i = 0; i < colours.size(); ++i) colours[i] = static_cast<int>(i * 0x010203);
  colours[15] = 0;
  {
    IniProfile profile(folder / "Korvix.ini");
    WriteSavedColours(profile, colours);
  }
  IniProfile reopened(folder / "Korvix.ini");
  EXPECT_EQ(ReadSavedColours(reopened), colours);
  EXPECT_EQ(reopened.GetProfileInt("SavedColors", "Color2"), 0x020406);
  EXPECT_NE(ReadFile(folder / "Korvix.ini").find("Color15=0"), std::string::npos);
}

}  // namespace
}  // namespace korvix::testing
