#include <gtest/gtest.h>

#include "app/update_gate.h"
#include "platform/profile.h"

namespace korvix {
namespace {

struct GateCase {
  const char* state;    // "UpdateAvailable", nullptr: missing
  const char* lastday;  // "LastUpdateDay", nullptr: missing
  int today;
  UpdateGate expected;
};

TEST(UpdateGate, DecidesFromStateAndDayDifference) {
  const GateCase cases[] = {
      {nullptr, nullptr, 14, UpdateGate::StartCheck},  // never checked: 14 - 0
      {nullptr, nullptr, 13, UpdateGate::None},
      {"FALSE", "100", 113, UpdateGate::None},
      {"FALSE", "100", 114, UpdateGate::StartCheck},
      {"FALSE", "114", 100, UpdateGate::StartCheck},
      {"FALSE", "360", 5, UpdateGate::StartCheck},  // not taken across the year end
      {"FALSE", "5", 360, UpdateGate::StartCheck},
      {"FALSE", "366", 1, UpdateGate::StartCheck},
      {"", "200", 200, UpdateGate::None},
      {"NEVER", "0", 300, UpdateGate::None},
      {"never", "0", 300, UpdateGate::StartCheck},  // compared exactly
      {"TRUE", "200", 200, UpdateGate::OfferInstall},
      {"TRUE", "0", 300, UpdateGate::OfferInstall},
      {"true", "200", 200, UpdateGate::None},
  };
  for (const GateCase& c : cases) {
    MemoryProfile profile;
    if (c.state) profile.WriteProfileString("Configuration", "UpdateAvailable", c.state);
    if (c.lastday) profile.WriteProfileString("Configuration", "LastUpdateDay", c.lastday);
    EXPECT_EQ(DecideUpdateGate(profile, c.today), c.expected)
        << (c.state ? c.state : "-") << " " << (c.lastday ? c.lastday : "-") << " " << c.today;
  }
}

TEST(UpdateGate, InstallingStopsThePrompt) {
  MemoryProfile profile;
  profile.WriteProfileString("Configuration", "UpdateAvailable", "TRUE");
  AcceptUpdate(profile);
  EXPECT_EQ(profile.GetProfileString("Configuration", "UpdateAvailable"), "FALSE");
  EXPECT_NE(DecideUpdateGate(profile, 1), UpdateGate::OfferInstall);
}

}  // namespace
}  // namespace korvix
