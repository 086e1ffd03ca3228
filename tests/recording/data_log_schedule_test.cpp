#include <gtest/gtest.h>

#include <vector>

#include "recording/data_log_schedule.h"

namespace korvix {
namespace {

LocalDateTime AtMinuteSecond(int minute, int second) {
  LocalDateTime now;
  now.minute = minute;
  now.second = second;
  return now;
}

// The ticks of a run, from `start` in `step` ms rounds, at which records
// came due up to `until` ms into the run.
std::vector<uint64_t> DueTimes(DataLogSchedule& schedule, uint32_t start, uint64_t step, uint64_t until) {
  std::vector<uint64_t> due;
  for (uint64_t t = 0; t <= until; t += step)
    if (schedule.TimedRecordDue(start + static_cast<uint32_t>(t))) due.push_back(t);
  return due;
}

TEST(DataLogScheduleTest, IntervalsByUnitWithTenthsOfSeconds) {
  struct Case {
    const char* text;
    int unit;
    int64_t ms;
  };
  for (const Case& c : {Case{"0", 0, 0}, Case{"2.5", 0, 2500}, Case{"0.5", 0, 500}, Case{"1", 0, 1000},
                        Case{"3", 1, 180000}, Case{"2", 2, 7200000}, Case{"50", 3, 50LL * 86400000}}) {
    CKorvixDoc doc;
    doc.m_loginterval = c.text;
    doc.m_logintervalunit = c.unit;
    SharedValue<int> weblogreading;
    DataLogSchedule schedule(doc, weblogreading);
    schedule.Start(0, LocalDateTime{});
    EXPECT_EQ(schedule.IntervalMs(), c.ms) << c.text;
    EXPECT_EQ(doc.m_logintervalms != 0, c.ms != 0) << c.text;
  }
}

TEST(DataLogScheduleTest, TheFirstRecordFollowsTheStartOrTheNextFullMinuteOrHour) {
  struct Case {
    const char* text;
    int unit;
    LocalDateTime now;
    uint64_t first;
  };
  for (const Case& c : {Case{"1", 0, AtMinuteSecond(10, 30), 500}, Case{"0.5", 0, AtMinuteSecond(10, 30), 50},
                        Case{"1", 1, AtMinuteSecond(10, 30), 30500}, Case{"1", 2, AtMinuteSecond(10, 30), 2970500},
                        Case{"1", 3, AtMinuteSecond(59, 59), 1500}}) {
    CKorvixDoc doc;
    doc.m_loginterval = c.text;
    doc.m_logintervalunit = c.unit;
    SharedValue<int> weblogreading;
    DataLogSchedule schedule(doc, weblogreading);
    schedule.Start(4000000000u, c.now);
    const std::vector<uint64_t> due = DueTimes(schedule, 4000000000u, 50, c.first);
    EXPECT_EQ(due, std::vector<uint64_t>{c.first}) << c.text << " unit " << c.unit;
  }
}

TEST(DataLogScheduleTest, ALatePassWritesOnceAndSkipsTheMissedIntervals) {
  CKorvixDoc doc;
  doc.m_loginterval = "1";
  doc.m_logintervalunit = 0;
  SharedValue<int> weblogreading;
  DataLogSchedule schedule(doc, weblogreading);
  schedule.Start(0, LocalDateTime{});
  EXPECT_TRUE(schedule.TimedRecordDue(500));
  EXPECT_TRUE(schedule.TimedRecordDue(4200));  // three intervals missed
  EXPECT_FALSE(schedule.TimedRecordDue(4499));
  EXPECT_TRUE(schedule.TimedRecordDue(4500));
  // Rounds faster than the interval write at most one record per round.
  EXPECT_FALSE(schedule.TimedRecordDue(4500));
}

TEST(DataLogScheduleTest, NothingComesDueWhileTheWebLogReadsTheLog) {
  CKorvixDoc doc;
  doc.m_loginterval = "1";
  doc.m_logintervalunit = 0;
  SharedValue<int> weblogreading;
  DataLogSchedule schedule(doc, weblogreading);
  schedule.Start(0, LocalDateTime{});
  weblogreading = 1;
  EXPECT_FALSE(schedule.TimedRecordDue(800));
  weblogreading = 0;
  EXPECT_TRUE(schedule.TimedRecordDue(900));
}

TEST(DataLogScheduleTest, FiftyDaysAreFiftyDaysAcrossTheCounterWrap) {
  CKorvixDoc doc;
  doc.m_loginterval = "50";
  doc.m_logintervalunit = 3;
  SharedValue<int> weblogreading;
  DataLogSchedule schedule(doc, weblogreading);
  schedule.Start(123456, AtMinuteSecond(0, 0));
  const uint64_t hour = 3600000;
  const uint64_t day = 24 * hour;
  // The first record half a second after the next full hour, then every
  // fifty days, counted through two wraps of the 32-bit counter.
  EXPECT_EQ(DueTimes(schedule, 123456, hour / 2, 101 * day + hour),
            (std::vector<uint64_t>{hour + hour / 2, 50 * day + hour + hour / 2, 100 * day + hour + hour / 2}));
}

}  // namespace
}  // namespace korvix
