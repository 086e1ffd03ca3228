#include "app/update_gate.h"

#include <cstdlib>

#include "app/profile_keys.h"

namespace korvix {

namespace {
constexpr int kDaysBetweenChecks = 13;
}

UpdateGate DecideUpdateGate(Profile& profile, int today) {
  const std::string state = profile.GetProfileString(kConfigurationSection, kUpdateAvailableKey);
  if (state == kUpdateAvailableTrue) return UpdateGate::OfferInstall;
  if (state == kUpdateAvailableNever) return UpdateGate::None;
  const int last = profile.GetProfileInt(kConfigurationSection, kLastUpdateDayKey);
  return std::abs(today - last) > kDaysBetweenChecks ? UpdateGate::StartCheck : UpdateGate::None;
}

void AcceptUpdate(Profile& profile) {
  profile.WriteProfileString(kConfigurationSection, kUpdateAvailableKey, kUpdateAvailableFalse);
}

}  // namespace korvix
