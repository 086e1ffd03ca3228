#pragma once

// The profile's "Configuration" settings that more than one part of the
// program reads or seeds, each with the value that stands in for a missing
// or unusable one.
namespace korvix {

inline constexpr char kConfigurationSection[] = "Configuration";

inline constexpr char kTelephoneRingtimeKey[] = "TelephoneRingtime";
inline constexpr int kDefaultTelephoneRingtime = 40000;
inline constexpr char kTransmitTimeoutKey[] = "TransmitTimeout";
inline constexpr int kDefaultTransmitTimeout = 60000;
inline constexpr char kTransmitRepeatKey[] = "TransmitRepeat";
inline constexpr int kDefaultTransmitRepeat = 500;
inline constexpr char kWebLogIntervalKey[] = "WebLogInterval";
inline constexpr int kDefaultWebLogInterval = 30000;

}  // namespace korvix
