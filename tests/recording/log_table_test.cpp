#include "recording/log_table.h"

#include <gtest/gtest.h>

#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"

namespace korvix {
namespace {

using Fields = std::vector<std::string>;

class LogTableTest : public ::testing::Test {
protected:
  RecordingMessageSink m_sink;
  FakeMillisecondClock m_clock;
  TextMemFile m_memfile{m_sink, m_clock};
  LogTable m_table;
};

TEST_F(LogTableTest, TitlesThenOneRowPerRecord) {
  struct Case {
    std::string log;
    Fields titles;
    std::vector<Fields> rows;
    std::size_t messages;
  } cases[] = {
      {"", {}, {}, 0},
      {"A,B\r\n", {"A", "B"}, {}, 0},
      {"A,B\r\n1,2\r\n3,4,5\r\n", {"A", "B"}, {{"1", "2"}, {"3", "4", "5"}}, 0},
      {"A,B\r\n1,2\r\n3", {"A", "B"}, {{"1", "2"}, {"3"}}, 1},  // the last record lost its line end
  };
  for (const Case& c : cases) {
    m_sink.shown.clear();
    m_memfile.Assign(c.log);
    EXPECT_TRUE(ReadLogTable(m_memfile, m_clock, m_table, [](std::size_t) { return true; }));
    EXPECT_EQ(m_table.titles, c.titles) << c.log;
    EXPECT_EQ(m_table.rows, c.rows) << c.log;
    EXPECT_EQ(m_sink.shown.size(), c.messages) << c.log;
  }
}

TEST_F(LogTableTest, TheServiceRunsEveryHundredMillisecondsAndCanStopTheReading) {
  std::string log = "A\r\n";
  for (int r = 0; r < 10; ++r) log += "v\r\n";
  m_memfile.Assign(log);
  std::vector<std::size_t> positions;
  // The clock moves 20 ms at every look.
  const auto service = [&](std::size_t position) {
    positions.push_back(position);
    return positions.size() < 3;
  };
  struct SlowClock final : MillisecondClock {
    uint32_t now = 0;
    uint32_t Now() override { return now += 20; }
    void SleepMs(uint32_t) override {}
  } slow;
  EXPECT_FALSE(ReadLogTable(m_memfile, slow, m_table, service));
  ASSERT_EQ(positions.size(), 3u);
  EXPECT_LT(positions[0], positions[1]);
  EXPECT_LT(m_table.rows.size(), 10u);
}

}  // namespace
}  // namespace korvix
