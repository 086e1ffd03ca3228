#include <gtest/gtest.h>

#include "platform/millisecond_clock.h"
#include "platform/testing/fake_clocks.h"
#include "platform/wall_clock.h"

namespace korvix {
namespace {

TEST(ElapsedMs, SurvivesTheCounterWrap) {
  EXPECT_EQ(ElapsedMs(5u, 0xFFFFFFFBu), 10u);
  EXPECT_EQ(ElapsedMs(1000u, 400u), 600u);
}

TEST(MonotonicClock, NeverRunsBackAndSleepsAtLeastAsLongAsAsked) {
  MonotonicClock clock;
  const uint32_t before = clock.Now();
  clock.SleepMs(20);
  EXPECT_GE(ElapsedMs(clock.Now(), before), 20u);
}

TEST(FakeMillisecondClock, SleepingAdvancesTime) {
  FakeMillisecondClock clock;
  clock.now = 0xFFFFFFF0u;
  clock.SleepMs(0x20);
  EXPECT_EQ(clock.Now(), 0x10u);
}

TEST(SystemWallClock, FieldsAreInTheirRanges) {
  const LocalDateTime now = SystemWallClock().Now();
  EXPECT_GE(now.year, 2000);
  EXPECT_TRUE(now.month >= 1 && now.month <= 12);
  EXPECT_TRUE(now.day >= 1 && now.day <= 31);
  EXPECT_TRUE(now.dayofweek >= 0 && now.dayofweek <= 6);
  EXPECT_TRUE(now.dayofyear >= 1 && now.dayofyear <= 366);
  EXPECT_TRUE(now.millisecond >= 0 && now.millisecond <= 999);
}

}  // namespace
}  // namespace korvix
