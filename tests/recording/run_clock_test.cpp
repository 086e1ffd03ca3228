#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "../app/scratch_folder.h"
#include "fake_labels.h"
#include "platform/testing/fake_clocks.h"
#include "platform/testing/recording_message_sink.h"
#include "recording/chart_memories.h"
#include "recording/data_log.h"
#include "recording/log_file_access.h"
#include "recording/run_clock.h"
#include "recording/time_stamps.h"

namespace korvix {
namespace {

LocalDateTime At(int year, int month, int day, int hour, int minute, int second) {
  LocalDateTime t;
  t.year = year;
  t.month = month;
  t.day = day;
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  return t;
}

class RunClockTest : public ::testing::Test {
protected:
  FakeWallClock m_wall;
  FakeMillisecondClock m_ticks;
  RunClock m_clock{m_wall, m_ticks};
};

TEST_F(RunClockTest, TextsStartAsZerosAndFollowTheWallClockAcrossMidnightAndYearEnd) {
  EXPECT_EQ(m_clock.m_datetext, "00/00/00");
  EXPECT_EQ(m_clock.m_timetext, "00:00:00.00");
  struct Case {
    LocalDateTime now;
    const char* date;
    const char* second;
  };
  for (const Case& c : {Case{At(2009, 3, 14, 12, 0, 5), "03/14/09", "12:00:05"},
                        Case{At(2026, 12, 31, 23, 59, 59), "12/31/26", "23:59:59"},
                        Case{At(2027, 1, 1, 0, 0, 0), "01/01/27", "00:00:00"},
                        Case{At(2100, 2, 28, 7, 8, 9), "02/28/00", "07:08:09"}}) {
    m_wall.now = c.now;
    m_clock.UpdateTimestamp();
    EXPECT_EQ(m_clock.m_datetext, c.date);
    EXPECT_EQ(m_clock.m_secondtext, c.second);
    EXPECT_EQ(m_clock.m_timetext, std::string(c.second) + ".00");
  }
}

// The wall clock turns to the next second after a few reads, as a real one
// would while the start waits for the edge.
class SteppingWallClock final : public WallClock {
public:
  LocalDateTime now = At(2026, 12, 31, 23, 59, 58);
  int readsleft = 3;
  LocalDateTime Now() override {
    if (readsleft > 0 && --readsleft == 0) {
      now = At(2026, 12, 31, 23, 59, 59);
      now.millisecond = 2;
    }
    return now;
  }
};

TEST(RunClockAlignTest, TheStartTakesTheTextsOfTheReadingThatSawTheSecondEdge) {
  SteppingWallClock wall;
  FakeMillisecondClock ticks;
  ticks.now = 777777;
  RunClock clock(wall, ticks);
  EXPECT_EQ(clock.AlignToSecond().second, 59);
  EXPECT_EQ(wall.readsleft, 0);
  EXPECT_EQ(clock.m_timetext, "23:59:59.00");
  // The hundredths are the reading's own, however far the counter has run.
  struct Case {
    int millisecond;
    uint32_t ticks;
    const char* time;
  };
  for (const Case& c : {Case{9, 0, "23:59:59.00"}, Case{10, 1, "23:59:59.01"}, Case{999, 999, "23:59:59.99"},
                        Case{0, 5000, "23:59:59.00"}, Case{234, 1000, "23:59:59.23"}}) {
    wall.now.millisecond = c.millisecond;
    ticks.now = 777777 + c.ticks;
    EXPECT_EQ(clock.UpdateTimestamp().millisecond, c.millisecond);
    EXPECT_EQ(clock.m_timetext, c.time) << c.millisecond;
    EXPECT_EQ(clock.m_datetext, "12/31/26");
  }
}

// One time behind both clocks, as on a real machine: the wall clock and the
// millisecond counter run together, but the counter's milliseconds do not
// turn where the wall clock's do. Every reading of either takes a little
// while, and every so often a long one, as a busy window (a print dialog,
// the About box) holds the program up between two readings.
class BusyMachine {
public:
  explicit BusyMachine(int64_t startms) : m_micros(startms * 1000) {}
  int64_t Ms() const { return m_micros / 1000; }
  void Pass(int64_t ms) { m_micros += ms * 1000; }

  class Wall final : public WallClock {
  public:
    explicit Wall(BusyMachine& machine) : m_machine(machine) {}
    LocalDateTime Now() override {
      const int64_t ms = m_machine.Read();
      const StampTexts stamp = MsToStamp(ms);
      LocalDateTime now;
      std::sscanf(stamp.date.c_str(), "%d/%d/%d", &now.month, &now.day, &now.year);
      now.year += 2000;
      std::sscanf(stamp.time.c_str(), "%d:%d:%d", &now.hour, &now.minute, &now.second);
      now.millisecond = static_cast<int>(ms % 1000);
      return now;
    }

  private:
    BusyMachine& m_machine;
  };

  class Ticks final : public MillisecondClock {
  public:
    explicit Ticks(BusyMachine& machine) : m_machine(machine) {}
    uint32_t Now() override { return static_cast<uint32_t>((m_machine.m_micros + 437) / 1000); }
    void SleepMs(uint32_t ms) override { m_machine.Pass(ms); }

  private:
    BusyMachine& m_machine;
  };

  Wall wall{*this};
  Ticks ticks{*this};

private:
  // The moment of a wall clock reading, which the reading then delays.
  int64_t Read() {
    static constexpr int64_t kReadingMicros[] = {300, 300, 11000, 300, 700, 4000, 300, 9000};
    const int64_t ms = Ms();
    m_micros += kReadingMicros[m_reads++ % std::size(kReadingMicros)];
    return ms;
  }

  int64_t m_micros;
  std::size_t m_reads = 0;
};

// A Chart Recorder sampling every 10 ms and the data log writing tenths,
// both through the run clock over the turn of a year, with the rounds
// coming irregularly: every stamp names the moment of one reading taken
// during its write, so no stamp is older than the one before it.
TEST(RunClockStampsTest, StampsNeverGoBackAcrossSecondsMinutesAndDaysWhileTheWindowIsBusy) {
  BusyMachine machine(StampToMs("12/31/26", "23:59:58.00") + 737);
  RunClock clock(machine.wall, machine.ticks);
  clock.AlignToSecond();

  CKorvixDoc doc;
  ChartRecorderRecord& recorder = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
  recorder.fields[recorder.fields.Add()].label = "Level";
  recorder.scanrate = 10;
  doc.m_loginterval = "0.1";
  doc.m_logfieldcount = 2;
  doc.m_logcoldate = 0;
  doc.m_logcoltime = 1;
  ObjectRunStates states;
  FakeLabels labels;
  RecordingMessageSink sink;
  ChartMemories charts(doc, states, labels, clock, sink);
  ScratchFolder folder;
  const std::string path = folder / "DataLog.txt";
  PosixLogFileAccess files;
  DataLog log(doc, labels, clock, sink, files, machine.ticks);
  charts.StartChartRecorder(0, machine.ticks.Now());

  static constexpr int64_t kRoundGapsMs[] = {3, 17, 1, 61, 8, 2, 35, 13, 0, 97, 5, 44};
  int64_t lastsample = 0;
  std::vector<std::pair<int64_t, int64_t>> writes;
  for (std::size_t round = 0; machine.Ms() < StampToMs("01/01/27", "00:00:02.00"); ++round) {
    machine.Pass(kRoundGapsMs[round % std::size(kRoundGapsMs)]);
    const int64_t before = machine.Ms();
    if (charts.SampleChartRecorder(0, machine.ticks.Now())) {
      const int64_t sample = StampToMs(recorder.lastdate, recorder.lasttime);
      EXPECT_GE(sample, lastsample) << recorder.lastdate << " " << recorder.lasttime;
      EXPECT_GE(sample, before / 10 * 10) << recorder.lasttime;
      EXPECT_LE(sample, machine.Ms()) << recorder.lasttime;
      lastsample = sample;
    }

    const int64_t logged = machine.Ms();
    log.WriteDataLogRecord(path);
    writes.emplace_back(logged / 100 * 100, machine.Ms());
  }
  EXPECT_TRUE(sink.shown.empty());

  // The memory holds the samples oldest first, as a plot file gets them.
  const std::string& bytes = charts.Memory(0).Bytes();
  std::vector<int64_t> samples;
  for (std::size_t at = 0; at < bytes.size(); at = bytes.find('\n', at) + 1)
    samples.push_back(StampToMs(bytes.substr(at, 8), bytes.substr(at + 9, 11)));
  EXPECT_TRUE(std::is_sorted(samples.begin(), samples.end()));
  EXPECT_EQ(MsToStamp(samples.front()).date, "12/31/26");
  EXPECT_EQ(MsToStamp(samples.back()).date, "01/01/27");

  // The log's records likewise, each within its write.
  std::ifstream in(path, std::ios::binary);
  std::string line;
  ASSERT_TRUE(std::getline(in, line));
  EXPECT_EQ(line, "Date,Time\r");
  int64_t lastrecord = 0;
  for (const auto& [from, to] : writes) {
    ASSERT_TRUE(std::getline(in, line));
    ASSERT_EQ(line.size(), 20u) << line;
    // Tenths as hundredths.
    const int64_t record = StampToMs(line.substr(0, 8), line.substr(9, 10) + "0");
    EXPECT_GE(record, lastrecord) << line;
    EXPECT_GE(record, from) << line;
    EXPECT_LE(record, to) << line;
    lastrecord = record;
  }
}

TEST(RunClockAlignTest, AStoppedWallClockCannotHangTheStart) {
  FakeWallClock wall;
  // Every read of the counter moves it on, so the wait runs out.
  class Running final : public MillisecondClock {
  public:
    uint32_t now = 0;
    uint32_t Now() override { return now += 7; }
    void SleepMs(uint32_t ms) override { now += ms; }
  } ticks;
  RunClock clock(wall, ticks);
  clock.AlignToSecond();
  EXPECT_GE(ticks.now, 1100u);
}

TEST_F(RunClockTest, TimeTextsAndMillisecondsFromTheBaseAreInverse) {
  m_clock.SetBaseTime("12/31/26", "23:59:59.50");
  struct Case {
    const char* date;
    const char* time;
    int ms;
  };
  for (const Case& c :
       {Case{"12/31/26", "23:59:59.50", 0}, Case{"01/01/27", "00:00:00.00", 500}, Case{"01/01/27", "00:00:01.25", 1750},
        Case{"12/31/26", "23:59:58.50", -1000}, Case{"01/20/27", "12:00:00.00", 500 + 19 * 86400000 + 12 * 3600000}}) {
    EXPECT_EQ(m_clock.TimeTextToMs(c.date, c.time), c.ms) << c.date << " " << c.time;
    std::string date;
    std::string time;
    m_clock.MsToTimeText(c.ms, date, time);
    EXPECT_EQ(date, c.date);
    EXPECT_EQ(time, c.time);
  }
}

TEST_F(RunClockTest, MillisecondsBeyondTheIntRangeAreClamped) {
  m_clock.SetBaseTime("01/01/00", "00:00:00.00");
  EXPECT_EQ(m_clock.TimeTextToMs("01/01/99", "00:00:00.00"), std::numeric_limits<int>::max());
  m_clock.SetBaseTime("01/01/99", "00:00:00.00");
  EXPECT_EQ(m_clock.TimeTextToMs("01/01/00", "00:00:00.00"), std::numeric_limits<int>::min());
}

TEST(TimeStampsTest, DaysCountOnOneScaleThroughLeapYearsAndCenturies) {
  EXPECT_EQ(StampToMs("01/01/01", "00:00:00.00") - StampToMs("01/01/00", "00:00:00.00"), 366LL * 86400000);
  EXPECT_EQ(StampToMs("03/01/00", "00:00:00.00") - StampToMs("02/28/00", "00:00:00.00"), 2LL * 86400000);
  EXPECT_EQ(StampToMs("01/01/00", "00:00:00.00") % 86400000, 0);
  // 1 January 2000 is day 145731 since 1 January 1601.
  EXPECT_EQ(StampToMs("01/01/00", "00:00:00.00"), 145731LL * 86400000);
}

}  // namespace
}  // namespace korvix
