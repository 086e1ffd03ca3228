#pragma once

#include "platform/configuration_keys.h"

// Key names of the settings that start-up, the update check and the
// first-project choice share.
namespace korvix {

inline constexpr char kUpdateAvailableKey[] = "UpdateAvailable";
inline constexpr char kLastUpdateDayKey[] = "LastUpdateDay";
inline constexpr char kLatestVersionKey[] = "LatestVersion";

inline constexpr char kUpdateAvailableTrue[] = "TRUE";
inline constexpr char kUpdateAvailableFalse[] = "FALSE";
inline constexpr char kUpdateAvailableNever[] = "NEVER";

}  // namespace korvix
