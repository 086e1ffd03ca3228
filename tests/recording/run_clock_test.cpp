#include <gtest/gtest.h>

#include <limits>

#include "platform/testing/fake_clocks.h"
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
    if (readsleft > 0 && --readsleft == 0) now = At(2026, 12, 31, 23, 59, 59);
    return now;
  }
};

TEST(RunClockAlignTest, HundredthsCountFromTheSecondEdgeSeenAtStart) {
  SteppingWallClock wall;
  FakeMillisecondClock ticks;
  ticks.now = 777777;
  RunClock clock(wall, ticks);
  clock.AlignToSecond();
  EXPECT_EQ(clock.m_timetext, "23:59:59.00");
  struct Case {
    uint32_t after;
    const char* time;
  };
  for (const Case& c : {Case{9, "23:59:59.00"}, Case{10, "23:59:59.01"}, Case{999, "23:59:59.99"},
                        Case{1000, "23:59:59.00"}, Case{1234, "23:59:59.23"}}) {
    ticks.now = 777777 + c.after;
    clock.UpdateTimestamp();
    EXPECT_EQ(clock.m_timetext, c.time) << c.after;
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
