#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/profile.h"

namespace korvix {
namespace {

class IniProfileTest : public ::testing::Test {
protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() / ("korvix-profile-" + std::to_string(::getpid()) + "-" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(folder);
    path = (folder / "Korvix" / "Korvix.ini").string();
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::filesystem::path folder;
  std::string path;
};

TEST_F(IniProfileTest, MissingValuesReadAsZeroAndEmpty) {
  IniProfile profile(path);
  EXPECT_EQ(profile.GetProfileInt("Configuration", "TransmitTimeout"), 0);
  EXPECT_EQ(profile.GetProfileString("Configuration", "UpdateAvailable"), "");
  EXPECT_EQ(profile.GetProfileInt("Configuration", "FontSize", 1), 1);
}

TEST_F(IniProfileTest, ValuesSurviveReopeningAndFoldersAreCreated) {
  {
    IniProfile profile(path);
    profile.WriteProfileInt("Configuration", "TransmitTimeout", 60000);
    profile.WriteProfileInt("Configuration", "LastUpdateDay", -5);
    profile.WriteProfileString("Recent File List", "File1", "/home/op/plant=1.kvx");
    profile.WriteProfileString("Configuration", "LatestVersion", "15.3 \xB5");
  }
  IniProfile again(path);
  EXPECT_EQ(again.GetProfileInt("Configuration", "TransmitTimeout"), 60000);
  EXPECT_EQ(again.GetProfileInt("Configuration", "LastUpdateDay"), -5);
  EXPECT_EQ(again.GetProfileString("Recent File List", "File1"), "/home/op/plant=1.kvx");
  EXPECT_EQ(again.GetProfileString("Configuration", "LatestVersion"), "15.3 \xB5");
  EXPECT_FALSE(std::filesystem::exists(path + ".tmp"));
}

TEST_F(IniProfileTest, APlantedLinkUnderTheOldTemporaryNameIsNotWrittenThrough) {
  std::filesystem::create_directories(folder / "Korvix");
  const std::string victim = (folder / "victim").string();
  std::ofstream(victim) << "keep";
  std::filesystem::create_symlink(victim, path + ".tmp");
  {
    IniProfile profile(path);
    profile.WriteProfileInt("Configuration", "TransmitTimeout", 60000);
  }
  std::ifstream in(victim);
  std::string kept;
  std::getline(in, kept);
  EXPECT_EQ(kept, "keep");
  EXPECT_EQ(IniProfile(path).GetProfileInt("Configuration", "TransmitTimeout"), 60000);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder / "Korvix"), {}), 2);
}

TEST_F(IniProfileTest, KeysAndSectionsAreCaseSensitive) {
  IniProfile profile(path);
  profile.WriteProfileString("Configuration", "UpdateAvailable", "TRUE");
  EXPECT_EQ(profile.GetProfileString("Configuration", "updateavailable"), "");
  EXPECT_EQ(profile.GetProfileString("configuration", "UpdateAvailable"), "");
}

TEST_F(IniProfileTest, DeletedKeyIsGoneAfterReopening) {
  {
    IniProfile profile(path);
    profile.WriteProfileString("Configuration", "GetOldConfig", "x");
    profile.DeleteProfileKey("Configuration", "GetOldConfig");
    EXPECT_FALSE(profile.HasKey("Configuration", "GetOldConfig"));
  }
  IniProfile again(path);
  EXPECT_FALSE(again.HasKey("Configuration", "GetOldConfig"));
}

TEST_F(IniProfileTest, HandEditedFileWithCrLfAndCommentsReads) {
  std::filesystem::create_directories(folder / "Korvix");
  std::ofstream(path, std::ios::binary) << "; by hand\r\n[Configuration]\r\nFontSize=2\r\n\r\n"
                                           "[Ports]\r\nCOM1=/dev/ttyUSB0\r\nbroken line\r\n";
  IniProfile profile(path);
  EXPECT_EQ(profile.GetProfileInt("Configuration", "FontSize"), 2);
  EXPECT_EQ(profile.GetProfileString("Ports", "COM1"), "/dev/ttyUSB0");
}

TEST_F(IniProfileTest, NonNumericOrOutOfRangeIntReadsFallback) {
  IniProfile profile(path);
  profile.WriteProfileString("Configuration", "FontSize", "big");
  profile.WriteProfileString("Configuration", "TransmitRepeat", "99999999999");
  EXPECT_EQ(profile.GetProfileInt("Configuration", "FontSize"), 0);
  EXPECT_EQ(profile.GetProfileInt("Configuration", "TransmitRepeat"), 0);
}

TEST(DefaultProfilePath, FollowsXdgConfigHomeElseHome) {
  const char* oldxdg = std::getenv("XDG_CONFIG_HOME");
  const std::string saved = oldxdg ? oldxdg : "";
  setenv("XDG_CONFIG_HOME", "/tmp/cfg", 1);
  EXPECT_EQ(DefaultProfilePath(), "/tmp/cfg/Korvix/Korvix.ini");
  unsetenv("XDG_CONFIG_HOME");
  setenv("HOME", "/home/op", 1);
  EXPECT_EQ(DefaultProfilePath(), "/home/op/.config/Korvix/Korvix.ini");
  if (oldxdg) setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

}  // namespace
}  // namespace korvix
