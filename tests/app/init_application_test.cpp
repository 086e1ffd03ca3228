#include <gtest/gtest.h>

#include "app/init_application.h"
#include "platform/profile.h"

namespace korvix {
namespace {

constexpr char kSection[] = "Configuration";

struct SeedCase {
  const char* key;
  const char* stored;  // nullptr: missing
  int expected;
};

TEST(InitApplication, SeedsZerosAndReplacesTheOldTransmitTimeout) {
  const SeedCase cases[] = {
      {"WebLogInterval", nullptr, 30000},
      {"WebLogInterval", "0", 30000},
      {"WebLogInterval", "12345", 12345},
      {"TransmitTimeout", nullptr, 60000},
      {"TransmitTimeout", "180000", 60000},
      {"TransmitTimeout", "179999", 179999},
      {"TransmitTimeout", "180001", 180001},
      {"TransmitRepeat", "0", 500},
      {"TransmitRepeat", "7", 7},
      {"TelephoneRingtime", nullptr, 40000},
      {"TelephoneRingtime", "-1", -1},
  };
  for (const SeedCase& c : cases) {
    MemoryProfile profile;
    if (c.stored) profile.WriteProfileString(kSection, c.key, c.stored);
    InitApplication(profile);
    EXPECT_EQ(profile.GetProfileInt(kSection, c.key), c.expected) << c.key << "=" << (c.stored ? c.stored : "");
  }
}

TEST(InitApplication, EverySecondStartLeavesTheValuesAlone) {
  MemoryProfile profile;
  profile.WriteProfileInt(kSection, "TransmitTimeout", 180000);
  InitApplication(profile);
  profile.WriteProfileInt(kSection, "TransmitRepeat", 800);
  InitApplication(profile);
  EXPECT_EQ(profile.GetProfileInt(kSection, "TransmitTimeout"), 60000);
  EXPECT_EQ(profile.GetProfileInt(kSection, "TransmitRepeat"), 800);
}

TEST(InitApplication, DeletesTheObsoleteEntry) {
  MemoryProfile profile;
  profile.WriteProfileString(kSection, "GetOldConfig", "yes");
  profile.WriteProfileString(kSection, "DefaultComport", "3");
  InitApplication(profile);
  EXPECT_FALSE(profile.HasKey(kSection, "GetOldConfig"));
  EXPECT_EQ(profile.GetProfileString(kSection, "DefaultComport"), "3");
}

}  // namespace
}  // namespace korvix
