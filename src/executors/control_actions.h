#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "executors/run_services.h"
#include "platform/millisecond_clock.h"
#include "values/control_triggers.h"

namespace korvix {

// Signal Lamps, Event Counters and Event Timers changed by index, as Scripts,
// controls and trigger texts ask.
class ControlActions final : public ControlTriggers {
public:
  ControlActions(CKorvixDoc& doc, MillisecondClock& clock, RunServices& services)
      : m_doc(doc), m_clock(clock), m_services(services) {}

  void TurnOnLampAction(int index) override;
  void TurnOffLampAction(int index) override;
  void ToggleLampAction(int index) override;
  void IncrementCounterAction(int index) override;
  void DecrementCounterAction(int index) override;
  void ResetCounterAction(int index) override;
  void StartEventTimerAction(int index) override;
  void StopEventTimerAction(int index) override;
  void ResetEventTimerAction(int index) override;

  // Running timers show their time; once per pass.
  void AdvanceEventTimers();
  // Lamps that are on and set to flash go dark and light again; once per
  // pass. A flashing lamp stays "On" while it is dark.
  void FlashLamps();
  bool TimerRunning(int index) const;
  void Reset();

private:
  struct TimerRun {
    int running = 0;
    uint32_t start = 0;
  };
  void StepCounter(int index, int step);
  void ShowTimer(int index);
  TimerRun& Timer(int index);

  CKorvixDoc& m_doc;
  MillisecondClock& m_clock;
  RunServices& m_services;
  std::vector<TimerRun> m_timers;
  std::vector<uint32_t> m_lampon;  // when each lamp last lit or went dark
  uint32_t& LampStamp(int index);
};

}  // namespace korvix
