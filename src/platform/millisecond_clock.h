#pragma once

#include <cstdint>

namespace korvix {

// A free-running millisecond counter that wraps at 2^32; compare ticks only
// through ElapsedMs so that the wrap after 49.7 days is harmless.
class MillisecondClock {
public:
  virtual ~MillisecondClock() = default;
  virtual uint32_t Now() = 0;
  virtual void SleepMs(uint32_t ms) = 0;
};

inline uint32_t ElapsedMs(uint32_t now, uint32_t since) { return now - since; }

// Ticks since an arbitrary start, from CLOCK_MONOTONIC.
class MonotonicClock final : public MillisecondClock {
public:
  uint32_t Now() override;
  void SleepMs(uint32_t ms) override;
};

}  // namespace korvix
