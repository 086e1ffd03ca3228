#include "wall_clock.h"

#include <ctime>

namespace korvix {

LocalDateTime SystemWallClock::Now() {
  timespec ts{};
  clock_gettime(CLOCK_REALTIME, &ts);
  tm local{};
  localtime_r(&ts.tv_sec, &local);
  LocalDateTime now;
  now.year = local.tm_year + 1900;
  now.month = local.tm_mon + 1;
  now.day = local.tm_mday;
  now.hour = local.tm_hour;
  now.minute = local.tm_min;
  now.second = local.tm_sec;
  now.millisecond = static_cast<int>(ts.tv_nsec / 1000000L);
  now.dayofweek = local.tm_wday;
  now.dayofyear = local.tm_yday + 1;
  return now;
}

}  // namespace korvix
