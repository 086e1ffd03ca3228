#pragma once

namespace korvix {

// The Signal Lamp, Event Counter and Event Timer actions by index, as
// Scripts, the run-mode controls and trigger texts ask for them.
class ControlTriggers {
public:
  virtual ~ControlTriggers() = default;
  virtual void TurnOnLampAction(int index) = 0;
  virtual void TurnOffLampAction(int index) = 0;
  virtual void ToggleLampAction(int index) = 0;
  virtual void IncrementCounterAction(int index) = 0;
  virtual void DecrementCounterAction(int index) = 0;
  virtual void ResetCounterAction(int index) = 0;
  virtual void StartEventTimerAction(int index) = 0;
  virtual void StopEventTimerAction(int index) = 0;
  virtual void ResetEventTimerAction(int index) = 0;
};

// A run without the run-mode controls: triggers change nothing.
class NoControlTriggers final : public ControlTriggers {
public:
  void TurnOnLampAction(int) override {}
  void TurnOffLampAction(int) override {}
  void ToggleLampAction(int) override {}
  void IncrementCounterAction(int) override {}
  void DecrementCounterAction(int) override {}
  void ResetCounterAction(int) override {}
  void StartEventTimerAction(int) override {}
  void StopEventTimerAction(int) override {}
  void ResetEventTimerAction(int) override {}
};

}  // namespace korvix
