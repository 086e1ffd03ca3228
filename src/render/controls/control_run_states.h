#pragma once

#include <optional>

#include "render/controls/event_counter.h"
#include "render/controls/event_timer.h"
#include "render/controls/pi_controller.h"
#include "render/controls/rocker_switch.h"

namespace korvix {

// How the operator's controls stand while the Run-Loop runs: what is held
// down, which Button Arrays run, what the PI-Controllers work with. A page
// without it draws every control at rest.
class ControlRunStates {
public:
  virtual ~ControlRunStates() = default;
  virtual bool PushButtonDown(int index) const = 0;
  virtual bool ButtonArrayRunning(int index) const = 0;
  virtual std::optional<RockerHalf> HeldRockerHalf(int index) const = 0;
  virtual std::optional<CounterButton> HeldCounterButton(int index) const = 0;
  virtual std::optional<TimerButton> HeldTimerButton(int index) const = 0;
  virtual PIControllerReadings PIControllerReadingsOf(int index) const = 0;
};

}  // namespace korvix
