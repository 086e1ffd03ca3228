#pragma once

#include <cstdint>

#include "platform/millisecond_clock.h"
#include "platform/wall_clock.h"

namespace korvix {

// Time moves only when a test says so, or when the code under test sleeps.
class FakeMillisecondClock final : public MillisecondClock {
public:
  uint32_t now = 0;
  uint32_t Now() override { return now; }
  void SleepMs(uint32_t ms) override { now += ms; }
};

class FakeWallClock final : public WallClock {
public:
  LocalDateTime now;
  LocalDateTime Now() override { return now; }
};

}  // namespace korvix
