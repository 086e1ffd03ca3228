#include "millisecond_clock.h"

#include <cerrno>
#include <ctime>

namespace korvix {

uint32_t MonotonicClock::Now() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  const uint64_t ms = static_cast<uint64_t>(ts.tv_sec) * 1000u + static_cast<uint64_t>(ts.tv_nsec) / 1000000u;
  return static_cast<uint32_t>(ms);
}

void MonotonicClock::SleepMs(uint32_t ms) {
  timespec left{static_cast<time_t>(ms / 1000u), static_cast<long>(ms % 1000u) * 1000000L};
  while (nanosleep(&left, &left) == -1 && errno == EINTR) {
  }
}

}  // namespace korvix
