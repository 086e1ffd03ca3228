#include "recording/run_clock.h"

#include <cstdio>
#include <limits>

#include "platform/realtime_priority.h"
#include "recording/time_stamps.h"

namespace korvix {

namespace {

// A second edge must come within a second; the margin covers a wall clock
// that is stepped while we wait, so the start can never hang.
constexpr uint32_t kAlignLimitMs = 1100;

}  // namespace

LocalDateTime RunClock::AlignToSecond() {
  // Raised so that the edge is seen as it comes; where the system refuses,
  // the run merely starts a little after it.
  RealtimePriority priority;
  priority.Raise();
  const int second = m_wall.Now().second;
  const uint32_t start = m_ticks.Now();
  LocalDateTime now;
  do {
    now = m_wall.Now();
  } while (now.second == second && ElapsedMs(m_ticks.Now(), start) < kAlignLimitMs);
  priority.Drop();
  SetTimestamp(now);
  return now;
}

LocalDateTime RunClock::UpdateTimestamp() {
  const LocalDateTime now = m_wall.Now();
  SetTimestamp(now);
  return now;
}

void RunClock::SetTimestamp(const LocalDateTime& now) {
  char date[16];
  char seconds[16];
  std::snprintf(date, sizeof date, "%02d/%02d/%02d", now.month % 100, now.day % 100, now.year % 100);
  std::snprintf(seconds, sizeof seconds, "%02d:%02d:%02d", now.hour % 100, now.minute % 100, now.second % 100);
  char time[24];
  std::snprintf(time, sizeof time, "%s.%02d", seconds, now.millisecond % 1000 / 10);
  m_datetext = date;
  m_secondtext = seconds;
  m_timetext = time;
}

void RunClock::SetBaseTime(const std::string& datetext, const std::string& timetext) {
  m_basems = StampToMs(datetext, timetext);
}

int RunClock::TimeTextToMs(const std::string& datetext, const std::string& timetext) const {
  const int64_t ms = StampToMs(datetext, timetext) - m_basems;
  if (ms > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (ms < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(ms);
}

void RunClock::MsToTimeText(int ms, std::string& datetext, std::string& timetext) const {
  StampTexts stamp = MsToStamp(m_basems + ms);
  datetext = std::move(stamp.date);
  timetext = std::move(stamp.time);
}

}  // namespace korvix
