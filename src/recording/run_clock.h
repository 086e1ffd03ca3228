#pragma once

#include <cstdint>
#include <string>

#include "platform/millisecond_clock.h"
#include "platform/wall_clock.h"

namespace korvix {

// The run-time clock: the date and time texts that the data log, the Chart
// Recorders and the clock names show, and the millisecond scale that plot
// windows are measured on. Date and whole seconds come from the wall clock;
// the hundredths come from the millisecond counter counted from the second
// edge that AlignToSecond caught, so they run smoothly between updates.
class RunClock {
public:
  RunClock(WallClock& wall, MillisecondClock& ticks) : m_wall(wall), m_ticks(ticks) {}

  // Waits for the next wall-clock second edge (at most a little over one
  // second) and takes that tick as the start of the hundredths.
  void AlignToSecond();

  void UpdateTimestamp();

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
  uint32_t m_secondedge = 0;
  int64_t m_basems = 0;
};

}  // namespace korvix
