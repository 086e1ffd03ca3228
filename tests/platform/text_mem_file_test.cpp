#include "platform/text_mem_file.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#include <filesystem>
#include <fstream>

#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

TEST(ReadMemFileLine, SplitsFieldsAndMarksLineEnds) {
  const std::string n(kEndOfLineMark);
  struct Case {
    std::string bytes;
    std::vector<std::string> fields;
    int endmessages;
  } cases[] = {
      {"a , b\r\n", {"a", "b", n}, 0},
      {"\r\n", {"", n}, 0},
      {" one \x1b two \r\n", {"one\r\ntwo", n}, 0},
      {"\t x \x1b\x1b y\r\n", {"x\r\n\r\ny", n}, 0},
      {"lost\nkept\r\n", {n, "kept", n}, 0},
      {"last", {"last", n, n}, 1},
      {"", {n, n}, 1},
      {"a,,b\r", {"a", "", "b", n}, 1},
  };
  for (const Case& c : cases) {
    RecordingMessageSink sink;
    FakeMillisecondClock clock;
    TextMemFile file(sink, clock);
    file.Assign(c.bytes);
    std::vector<std::string> fields;
    for (std::size_t i = 0; i < c.fields.size(); ++i) fields.push_back(file.ReadMemFileLine());
    EXPECT_EQ(fields, c.fields) << c.bytes;
    EXPECT_EQ(static_cast<int>(sink.shown.size()), c.endmessages) << c.bytes;
    if (!sink.shown.empty()) {
      EXPECT_EQ(sink.shown[0].caption, "File Access Error");
      EXPECT_EQ(sink.shown[0].text, "Unexpected end of m_memfile.");
    }
  }
}

class LoadTextFile : public ::testing::Test {
protected:
  void SetUp() override {
    m_folder = std::filesystem::temp_directory_path() /
               ("korvix_memfile_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "_" +
                std::to_string(::getpid()));
    std::filesystem::create_directories(m_folder);
  }
  void TearDown() override { std::filesystem::remove_all(m_folder); }

  std::filesystem::path m_folder;
  RecordingMessageSink m_sink;
  FakeMillisecondClock m_clock;
  TextMemFile m_file{m_sink, m_clock};
};

TEST_F(LoadTextFile, LoadsWholeFilesAndCreatesMissingOnes) {
  const std::string path = (m_folder / "a.txt").string();
  std::string big(200 * 1024, 'x');
  big += ",end\r\n";
  std::ofstream(path, std::ios::binary) << big;
  ASSERT_TRUE(m_file.LoadTextFile(path));
  EXPECT_EQ(m_file.ReadMemFileLine().size(), 200u * 1024);
  EXPECT_EQ(m_file.ReadMemFileLine(), "end");

  const std::string missing = (m_folder / "missing.txt").string();
  ASSERT_TRUE(m_file.LoadTextFile(missing));
  EXPECT_TRUE(m_file.IsEmpty());
  EXPECT_TRUE(std::filesystem::exists(missing));
  EXPECT_TRUE(m_sink.shown.empty());

  const std::string named = (m_folder / "named.txt").string();
  EXPECT_FALSE(m_file.LoadTextFile(named, MissingFile::Refuse));
  EXPECT_FALSE(std::filesystem::exists(named));
  ASSERT_EQ(m_sink.shown.size(), 1u);
  EXPECT_EQ(m_sink.shown[0].text, "The file " + named + " could not be opened.");
  ASSERT_TRUE(m_file.LoadTextFile(path, MissingFile::Refuse));
  EXPECT_EQ(m_file.Size(), big.size());
}

TEST_F(LoadTextFile, ReportsWhatCannotBeLoaded) {
  const std::string locked = (m_folder / "locked.txt").string();
  const std::string huge = (m_folder / "huge.txt").string();
  std::ofstream(locked) << "x";
  const int holder = ::open(locked.c_str(), O_RDONLY);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  std::ofstream(huge).close();
  std::filesystem::resize_file(huge, uint64_t{1} << 31);  // sparse: no disk used
  struct Case {
    std::string path;
    std::string text;
  } cases[] = {
      {locked, "The file " + locked + " could not be opened."},
      {huge, "The file " + huge + " is too large to load into memory."},
      {m_folder.string(), "The file " + m_folder.string() + " could not be opened."},
  };
  for (const Case& c : cases) {
    m_sink.shown.clear();
    m_file.Assign("left over");
    EXPECT_FALSE(m_file.LoadTextFile(c.path));
    EXPECT_TRUE(m_file.IsEmpty());
    ASSERT_EQ(m_sink.shown.size(), 1u);
    EXPECT_EQ(m_sink.shown[0].caption, "File Access Error");
    EXPECT_EQ(m_sink.shown[0].text, c.text);
  }
  // The lock was tried again for a second before giving up.
  EXPECT_GT(m_clock.now, 1000u);
  ::close(holder);
}

}  // namespace
}  // namespace korvix
