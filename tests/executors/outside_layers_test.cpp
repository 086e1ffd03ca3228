#include <gtest/gtest.h>

#include <unistd.h>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "executors/modem_telephone.h"
#include "executors/program_runner.h"
#include "executors/pulse_library.h"
#include "executors/wave_sound_player.h"

namespace korvix {
namespace {

TEST(SplitCommandLine, SplitsAsAShellWouldWithoutOne) {
  struct Case {
    const char* line;
    std::vector<std::string> words;
  };
  const std::vector<Case> cases = {
      {"prog a  b", {"prog", "a", "b"}},
      {"prog 'a b' \"c d\"", {"prog", "a b", "c d"}},
      {R"(prog a\ b "x\"y" 'it\s')", {"prog", "a b", "x\"y", "it\\s"}},
      {"prog $HOME >out *", {"prog", "$HOME", ">out", "*"}},
      {"prog ''", {"prog", ""}},
      {"   ", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandLine(c.line), c.words) << c.line;
  EXPECT_FALSE(SplitCommandLine("prog 'open"));
  EXPECT_FALSE(SplitCommandLine("prog \"open"));
}

TEST(SpawnProgramRunner, StartsWithoutAShellAndReportsAMissingProgram) {
  const std::filesystem::path marker =
      std::filesystem::temp_directory_path() / ("korvix-spawn-" + std::to_string(::getpid()));
  SpawnProgramRunner runner;
  EXPECT_EQ(runner.RunProgram("touch '" + marker.string() + "'"), "");
  for (int i = 0; i < 200 && !std::filesystem::exists(marker); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  EXPECT_TRUE(std::filesystem::exists(marker));
  std::filesystem::remove(marker);
  const std::string failure = runner.RunProgram("korvix-no-such-program --flag");
  EXPECT_NE(failure.find("could not be started"), std::string::npos);
  EXPECT_NE(runner.RunProgram("").find("No program"), std::string::npos);
  EXPECT_NE(runner.RunProgram("prog 'open").find("not closed"), std::string::npos);
}

std::string Wave(uint16_t format, uint16_t channels, uint32_t rate, uint16_t bits, const std::string& data) {
  const auto le = [](uint32_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  const std::string fmt = le(format, 2) + le(channels, 2) + le(rate, 4) + le(rate * channels * bits / 8, 4) +
                          le(channels * bits / 8, 2) + le(bits, 2);
  const std::string body = "WAVE" + std::string("fmt ") + le(16, 4) + fmt + "LIST" + le(3, 4) + "abc" +
                           std::string(1, '\0') + "data" + le(static_cast<uint32_t>(data.size()), 4) + data;
  return "RIFF" + le(static_cast<uint32_t>(body.size()), 4) + body;
}

TEST(ParseWave, TakesPcmAndRefusesTheRest) {
  const auto sound = ParseWave(Wave(1, 2, 22050, 16, "abcd"));
  ASSERT_TRUE(sound);
  EXPECT_EQ(sound->channels, 2);
  EXPECT_EQ(sound->rate, 22050u);
  EXPECT_EQ(sound->bits, 16);
  EXPECT_EQ(sound->samples.size(), 4u);
  EXPECT_FALSE(ParseWave(Wave(3, 1, 8000, 32, "abcd")));
  EXPECT_FALSE(ParseWave(Wave(1, 1, 8000, 12, "abcd")));
  EXPECT_FALSE(ParseWave("RIFF"));
  EXPECT_FALSE(ParseWave(Wave(1, 1, 8000, 8, "ab").substr(0, 30)));
}

TEST(PulseSoundPlayer, NoSoundDeviceIsNoError) {
  const std::filesystem::path path =
      std::filesystem::temp_directory_path() / ("korvix-sound-" + std::to_string(::getpid()) + ".wav");
  std::ofstream(path, std::ios::binary) << Wave(1, 1, 8000, 8, std::string(800, '\x80'));
  PulseSoundPlayer player;
  EXPECT_TRUE(player.PlaySoundFile(path.string()));
  EXPECT_TRUE(player.PlaySoundFile(path.string()));
  EXPECT_FALSE(player.PlaySoundFile(path.string() + ".missing"));
  std::filesystem::remove(path);
}

// The client library is a build dependency, so it is there to be loaded.
TEST(PulseLibrary, LoadsOnceWithEveryEntryPoint) {
  const PulseLibrary* pulse = LoadPulseLibrary();
  ASSERT_NE(pulse, nullptr);
  EXPECT_TRUE(pulse->simplenew && pulse->simplewrite && pulse->simpledrain && pulse->simplefree);
  EXPECT_EQ(LoadPulseLibrary(), pulse);
}

class MapProfile final : public Profile {
public:
  std::map<std::string, std::string> values;
  int GetProfileInt(const std::string&, const std::string&, int fallback) override { return fallback; }
  std::string GetProfileString(const std::string&, const std::string& key, const std::string& fallback) override {
    const auto found = values.find(key);
    return found == values.end() ? fallback : found->second;
  }
  void WriteProfileInt(const std::string&, const std::string&, int) override {}
  void WriteProfileString(const std::string&, const std::string&, const std::string&) override {}
  void DeleteProfileKey(const std::string&, const std::string&) override {}
};

TEST(ModemTelephone, SaysWhatIsMissing) {
  MapProfile profile;
  ModemTelephone modem(profile);
  const std::string none = modem.Dial("5551234");
  EXPECT_NE(none.find("No telephone modem is configured"), std::string::npos);
  EXPECT_NE(none.find("TelephoneModem"), std::string::npos);
  profile.values["TelephoneModem"] = "/dev/korvix-no-such-modem";
  EXPECT_NE(modem.Dial("5551234").find("/dev/korvix-no-such-modem"), std::string::npos);
}

}  // namespace
}  // namespace korvix
