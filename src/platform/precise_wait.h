#pragma once

#include <chrono>

namespace korvix {

using FineClock = std::chrono::steady_clock;

// Returns no earlier than the deadline and, on an idle machine, a small
// fraction of a millisecond after it: sleeps while the deadline is far and
// spins only for the last stretch that a sleep could overshoot.
void WaitUntil(FineClock::time_point deadline);

}  // namespace korvix
