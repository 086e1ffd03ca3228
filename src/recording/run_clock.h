#pragma once

#include <cstdint>
#include <string>

#include "platform/millisecond_clock.h"
#include "platform/wall_clock.h"

namespace korvix {

// The run-time clock: the date and time texts that the data log, the Chart
// Recorders and the clock names show, and the millisecond scale that plot
// windows are measured on.
class RunClock {
public:
  RunClock(WallClock& wall, MillisecondClock& ticks) : m_wall(wall), m_ticks(ticks) {}

  // Waits for the next wall-clock second edge (at most a little over one
  // second), so that a run's timing starts on a whole second, and takes the
  // texts of the reading that saw it, which is returned.
  LocalDateTime AlignToSecond();

  // Date, time and hundredths all from one reading of the wall clock, which
  // is returned: a stamp put together from two readings, or from two
  // clocks, can name the second before the one its hundredths belong to.
  LocalDateTime UpdateTimestamp();
  // The texts of a reading already taken.
  void SetTimestamp(const LocalDateTime& now);

  // Base of TimeTextToMs and MsToTimeText.
  void SetBaseTime(const std::string& datetext, const std::string& timetext);
  int TimeTextToMs(const std::string& datetext, const std::string& timetext) const;
  void MsToTimeText(int ms, std::string& datetext, std::string& timetext) const;

  std::string m_datetext = "00/00/00";     // month/day/two-digit year
  std::string m_timetext = "00:00:00.00";  // 24-hour time with hundredths
  std::string m_secondtext = "00:00:00";   // the same without hundredths

private:
  WallClock& m_wall;
  MillisecondClock& m_ticks;
  int64_t m_basems = 0;
};

}  // namespace korvix
