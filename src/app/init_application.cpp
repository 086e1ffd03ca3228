#include "app/init_application.h"

#include "app/profile_keys.h"

namespace korvix {

namespace {

constexpr char kGetOldConfigKey[] = "GetOldConfig";

constexpr int kObsoleteTransmitTimeout = 180000;

void SeedWhenZero(Profile& profile, const char* key, int value) {
  if (profile.GetProfileInt(kConfigurationSection, key) == 0)
    profile.WriteProfileInt(kConfigurationSection, key, value);
}

}  // namespace

void InitApplication(Profile& profile) {
  SeedWhenZero(profile, kWebLogIntervalKey, kDefaultWebLogInterval);
  const int timeout = profile.GetProfileInt(kConfigurationSection, kTransmitTimeoutKey);
  if (timeout == 0 || timeout == kObsoleteTransmitTimeout)
    profile.WriteProfileInt(kConfigurationSection, kTransmitTimeoutKey, kDefaultTransmitTimeout);
  SeedWhenZero(profile, kTransmitRepeatKey, kDefaultTransmitRepeat);
  SeedWhenZero(profile, kTelephoneRingtimeKey, kDefaultTelephoneRingtime);
  if (!profile.GetProfileString(kConfigurationSection, kGetOldConfigKey).empty())
    profile.DeleteProfileKey(kConfigurationSection, kGetOldConfigKey);
}

}  // namespace korvix
