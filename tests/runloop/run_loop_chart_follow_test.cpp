#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "runloop_fixture.h"

namespace korvix::testing {
namespace {

// Ticks run while the Run-Loop starts and halts, whose waits for a quiet
// line read them; in between they move only as the test says, between
// passes, so that a pass's steps all see the tick it was given.
class PassClock final : public MillisecondClock {
public:
  uint32_t now = 5000;
  bool running = true;
  uint32_t Now() override { return running ? ++now : now; }
  void SleepMs(uint32_t ms) override { now += ms; }
};

// A recorder sampling every pass, 10 ms apart, whose drawing last put its
// time readout and trace area at known places.
class ChartFollow : public RunLoopOnSimulator {
protected:
  void SetUp() override {
    StartSimulator("module A\n  T constant 7\n");
    runclock = &ticks;
    VariableRecord& sampled = doc.m_variables[doc.m_variables.Add()];
    sampled.idlabel = "Sampled";
    sampled.valuetext = "3";
    ChartRecorderRecord& recorder = doc.m_chartrecorders[doc.m_chartrecorders.Add()];
    recorder.fields[recorder.fields.Add()].label = "Sampled";
    recorder.scanrate = 10;
    State().timerect = kTimeRect;
    State().plotrect = kPlotRect;
    Open();
  }

  ChartRecorderRunState& State() { return runstates.ChartRecorders()[0]; }

  static constexpr Rect kTimeRect{200, 10, 290, 30};
  static constexpr Rect kPlotRect{20, 29, 470, 330};
  PassClock ticks;
};

TEST_F(ChartFollow, AFollowedWindowMovesAtMostEvery100MsInvalidatingOnlyItsTimeReadoutAndTraceArea) {
  std::vector<uint32_t> follows;
  bool followed = true;
  uint32_t end = 0;
  ASSERT_TRUE(RunUntil([&] {
    if (ticks.running) {
      ticks.running = false;
      end = ticks.now + 2000;
    }
    if (window.invalidatedrects.size() > 2 * follows.size()) {
      follows.push_back(ticks.now);
      const ChartRecorderRecord& r = doc.m_chartrecorders[0];
      followed = followed && r.windowdate == r.lastdate && r.windowtime == r.lasttime && State().redrawtraces == 1;
    }
    State().redrawtraces = 0;
    ticks.now += 10;
    ticks.running = ticks.now >= end;
    return ticks.running;
  }));
  EXPECT_TRUE(followed);
  ASSERT_GE(follows.size(), 15u);
  for (std::size_t k = 1; k < follows.size(); ++k) EXPECT_GE(follows[k] - follows[k - 1], 100u) << k;
  EXPECT_LE(follows.back() - follows.front(), 100u * (follows.size() - 1) + 10u);
  for (std::size_t k = 0; k < window.invalidatedrects.size(); ++k)
    EXPECT_EQ(window.invalidatedrects[k], k % 2 == 0 ? kTimeRect : kPlotRect) << k;
}

TEST_F(ChartFollow, AHeldWindowStaysWhileSamplesArrive) {
  std::size_t invalidated = 0;
  std::string held;
  uint32_t start = 0;
  ASSERT_TRUE(RunUntil([&] {
    if (ticks.running) {
      ticks.running = false;
      start = ticks.now;
    }
    ticks.now += 10;
    if (ticks.now == start + 500) {
      State().windowheld = 1;
      held = doc.m_chartrecorders[0].windowtime;
      invalidated = window.invalidatedrects.size();
    }
    ticks.running = ticks.now >= start + 2000;
    return ticks.running;
  }));
  EXPECT_GT(invalidated, 0u);
  EXPECT_EQ(window.invalidatedrects.size(), invalidated);
  EXPECT_EQ(doc.m_chartrecorders[0].windowtime, held);
  EXPECT_NE(doc.m_chartrecorders[0].lasttime, held);
}

}  // namespace
}  // namespace korvix::testing
