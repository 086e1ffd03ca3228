#include "platform/precise_wait.h"

#include <ctime>

namespace korvix {

namespace {

// What a timed sleep may overshoot on a quiet machine.
constexpr std::chrono::microseconds kSpinStretch(80);

}  // namespace

void WaitUntil(FineClock::time_point deadline) {
  for (;;) {
    const FineClock::time_point now = FineClock::now();
    if (now >= deadline) return;
    if (deadline - now <= kSpinStretch) continue;
    const auto wake =
        std::chrono::duration_cast<std::chrono::nanoseconds>((deadline - kSpinStretch).time_since_epoch());
    const timespec ts{static_cast<time_t>(wake.count() / 1000000000), static_cast<long>(wake.count() % 1000000000)};
    // steady_clock is CLOCK_MONOTONIC on Linux; an interrupted sleep just
    // goes round again.
    clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr);
  }
}

}  // namespace korvix
