#include "recording/log_field_order.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "recording/log_sources.h"

namespace korvix {
namespace {

namespace fs = std::filesystem;

constexpr const char* kOrderMessage =
    "The current field order does not match the field order of \rthe existing file. Do you want to erase the old "
    "data from \rthe log file? <Recommended>";

class LogFieldOrderTest : public ::testing::Test {
protected:
  void SetUp() override {
    m_path = (fs::temp_directory_path() / ("korvix_order_" + std::to_string(::getpid()) + ".txt")).string();
    m_doc.m_variables[m_doc.m_variables.Add()].idlabel = "Temp";
    m_doc.m_variables[m_doc.m_variables.Add()].idlabel = "Flow";
    m_doc.m_logfieldcount = 3;
    m_doc.m_logcoldate = 0;
    m_doc.m_logcoltime = 1;
    m_doc.m_variables[0].logcolumn = 2;
  }
  void TearDown() override { fs::remove(m_path); }

  void Write(const std::string& bytes) { std::ofstream(m_path, std::ios::binary) << bytes; }
  // Runs the check, answering its question with `answer`; the paths it cleared.
  std::vector<std::string> Check(MessageResult answer = MessageResult::No) {
    m_sink.answers.push_back(answer);
    std::vector<std::string> cleared;
    CheckLogFieldOrder(m_doc, m_path, m_memfile, m_sink,
                       [&cleared](const std::string& path) { cleared.push_back(path); });
    EXPECT_TRUE(m_memfile.IsEmpty());
    return cleared;
  }

  std::string m_path;
  CKorvixDoc m_doc;
  RecordingMessageSink m_sink;
  FakeMillisecondClock m_clock;
  TextMemFile m_memfile{m_sink, m_clock};
};

TEST_F(LogFieldOrderTest, AMatchingHeaderAsksNothing) {
  Write("Date,Time,Temp\r\n01/02/26,10:00:00,5\r\n");
  EXPECT_TRUE(Check().empty());
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(LogFieldOrderTest, AChangedHeaderOffersToClearTheLog) {
  struct Case {
    const char* header;
    MessageResult answer;
  } cases[] = {
      {"Date,Time,Temp,Flow\r\n", MessageResult::Yes},  // a column removed since
      {"Date,Time,Temp,Flow\r\n", MessageResult::No},  {"Date,Time\r\n", MessageResult::No},
      {"Time,Date,Temp\r\n", MessageResult::No},       {"Date,Time,temp\r\n", MessageResult::No},
  };
  for (const Case& c : cases) {
    m_sink.shown.clear();
    Write(c.header);
    const std::vector<std::string> cleared = Check(c.answer);
    ASSERT_EQ(m_sink.shown.size(), 1u) << c.header;
    EXPECT_EQ(m_sink.shown[0].caption, "Warning");
    EXPECT_EQ(m_sink.shown[0].text, kOrderMessage);
    EXPECT_EQ(m_sink.shown[0].buttons, MessageButtons::YesNoDefaultNo);
    EXPECT_EQ(cleared, c.answer == MessageResult::Yes ? std::vector<std::string>{m_path} : std::vector<std::string>{});
  }
}

TEST_F(LogFieldOrderTest, AColumnOfTwoSourcesOrOfNoneIsOneFieldAsTheLogWritesIt) {
  m_doc.m_variables[1].logcolumn = 2;
  m_doc.m_logfieldcount = 4;
  Write("Date,Time,TempFlow,\r\n");
  EXPECT_TRUE(Check().empty());
  EXPECT_TRUE(m_sink.shown.empty());
}

TEST_F(LogFieldOrderTest, AnEmptyOrUnopenableLogIsLeftAlone) {
  Write("");
  EXPECT_TRUE(Check().empty());
  EXPECT_TRUE(m_sink.shown.empty());

  Write("Other\r\n");
  const int holder = ::open(m_path.c_str(), O_RDWR);
  ASSERT_EQ(::flock(holder, LOCK_EX), 0);
  EXPECT_TRUE(Check().empty());
  ::close(holder);
  ASSERT_EQ(m_sink.shown.size(), 1u);
  EXPECT_EQ(m_sink.shown[0].text, "The file " + m_path + " could not be opened.");
}

}  // namespace
}  // namespace korvix
