#include <gtest/gtest.h>

#include <cstdint>

#include "runloop_fixture.h"

namespace korvix::testing {
namespace {

// A window opened from a dispatch runs passes of its own; whether one may
// run depends on where every pass under way stands.
class NestedPasses : public RunLoopOnSimulator {
protected:
  // The passes one nested call ran, 0 or 1.
  uint64_t NestedPassesNow() {
    ++m_depth;
    const uint64_t before = runtime->PassCount();
    runtime->RunNestedPass();
    --m_depth;
    return runtime->PassCount() - before;
  }
  bool Outermost() const { return m_depth == 0; }

private:
  int m_depth = 0;
};

TEST_F(NestedPasses, RunFromADispatchButNeverDuringStartHaltOrTheRunLoopsOwnMessage) {
  StartSimulator("module A\n  T constant 1\n");
  // Two lines each, so that the fake queue has a turn between them.
  doc.m_runinitsend = "AT\r\nAT\r\n";
  doc.m_runexitsend = "AT\r\nAT\r\n";
  Open();

  enum Moment { kStartCommands, kDispatch, kOwnMessage, kHaltCommands, kStopped, kMoments };
  constexpr uint64_t kNotSeen = 9;
  uint64_t ran[kMoments] = {kNotSeen, kNotSeen, kNotSeen, kNotSeen, kNotSeen};
  sink.onshow = [&] { ran[kOwnMessage] = NestedPassesNow(); };
  pump.onpump = [&] {
    if (!Outermost() || !runtime->IsRunning()) return;
    if (runtime->PassCount() == 0) {
      ran[kStartCommands] = NestedPassesNow();
    } else if (runtime->PassCount() >= 3 && ran[kDispatch] == kNotSeen) {
      ran[kDispatch] = NestedPassesNow();
    } else if (ran[kDispatch] != kNotSeen) {
      // A command the operator's click sends while no port is selected: the
      // Run-Loop says so, waits for the user and halts.
      runtime->ForgetComPort();
      runtime->Link().TransmitCommand("AT");
    }
  };
  runtime->StartRunLoop();
  runtime->SelectComPort(0);

  bool halting = false;
  pump.onpump = [&] {
    if (!Outermost() || !runtime->IsRunning()) return;
    if (halting) {
      ran[kHaltCommands] = NestedPassesNow();
    } else if (runtime->PassCount() >= 3) {
      halting = true;
      runtime->HaltRunLoop();
    }
  };
  runtime->StartRunLoop();
  pump.onpump = nullptr;
  ran[kStopped] = NestedPassesNow();

  EXPECT_EQ(ran[kStartCommands], 0u);
  EXPECT_EQ(ran[kDispatch], 1u);
  EXPECT_EQ(ran[kOwnMessage], 0u);
  EXPECT_EQ(ran[kHaltCommands], 0u);
  EXPECT_EQ(ran[kStopped], 0u);
  EXPECT_EQ(pump.endprocess, 0);
  ASSERT_EQ(sink.shown.size(), 1u);
}

// The quit reaches the nested pass and the loop below it; the program ends
// once.
TEST_F(NestedPasses, AQuitSeenInANestedPassEndsTheProgramOnce) {
  StartSimulator("module A\n  T constant 1\n");
  Open();
  pump.onpump = [&] {
    if (!Outermost() || runtime->PassCount() < 3) return;
    pump.quit = true;
    NestedPassesNow();
  };
  runtime->StartRunLoop();

  EXPECT_FALSE(runtime->IsRunning());
  EXPECT_EQ(pump.endprocess, 1);
}

}  // namespace
}  // namespace korvix::testing
