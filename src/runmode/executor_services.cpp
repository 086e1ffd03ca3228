#include "runmode/executor_services.h"

namespace korvix {
namespace {

constexpr const char* kSection = "Configuration";
constexpr const char* kRingTimeKey = "TelephoneRingtime";

}  // namespace

void ExecutorServices::StartControls() {
  const int ringtime = m_profile.GetProfileInt(kSection, kRingTimeKey, static_cast<int>(kDefaultRingTimeMs));
  m_ringtime = ringtime > 0 ? static_cast<uint32_t>(ringtime) : kDefaultRingTimeMs;
  m_executors.Reset();
  m_controls.Reset();
}

void ExecutorServices::StartButtonArraysAtRun() {
  // The Button Array record holds no start-at-run flag: no array starts by
  // itself at the start of a run.
}

void ExecutorServices::ResetControls(bool) {
  m_executors.Reset();
  m_controls.Reset();
}

}  // namespace korvix
