#pragma once

#include <cstdint>
#include <string>

#include "expressions/script_starter.h"
#include "values/control_triggers.h"

namespace korvix {

// What the Run-Loop asks of the Script and Button Array executors and of the
// run-mode controls. The Run-Loop owns the order of a pass; each call here is
// one step of it and must return without blocking, since everything runs on
// the interface thread between two reads of the port.
class ScriptServices : public ScriptStarter {
public:
  // Start of a run, after the start values of every kind are set: Rocker
  // Switches and Slider Controls take their start mode (sending their
  // position or asking the module for it), PI-Controllers send their output
  // once.
  virtual void StartControls() = 0;
  // Start of a run, for every Button Array whose start-at-run flag is set:
  // its running action ends, then it executes with that ID Label.
  virtual void StartButtonArraysAtRun() = 0;

  // One pass, in the Run-Loop's order:
  // lamps flashing and Rocker Switches held in one position;
  virtual void ServiceHeldControls() = 0;
  // one step of every running Button Array, then of every running Script;
  virtual void ExecuteRunningButtonArrays() = 0;
  virtual void ExecuteRunningScripts() = 0;
  // held Push Buttons, Event Counters, Event Timers, PI-Controllers (held
  // buttons and the control computation) and the Chart Recorder axes;
  virtual void AdvanceControls() = 0;
  // the telephone: a call past its ring time is hung up, else the next
  // number of the dial queue is dialled.
  virtual void ServiceDialQueue(uint32_t ringtime) = 0;

  // The action of the Button Array with that ID Label ends.
  virtual void HaltButtonArrayAction(const std::string& label) = 0;

  // Halt, after the halt commands went out: the controls' run-time state is
  // reset (PI-Controllers send their output once more when the loop was
  // running); then a call that is up is closed and the dial queue emptied.
  virtual void ResetControls(bool wasrunning) = 0;
  virtual void HangUpTelephone() = 0;

  // The actions that values delivered to "Conditional" trigger.
  virtual ControlTriggers& Triggers() = 0;
  // A value delivered to a Button Array's label selects its sub button.
  virtual void SetButtonArrayAction(const std::string& label, const std::string& value) = 0;
};

// Until the executors are in place a project runs without Scripts, Button
// Arrays and held controls: every call does nothing.
class NoScriptServices final : public ScriptServices {
public:
  void RunScriptByName(const std::string&) override {}
  void TakeScriptReply(int, const std::string&) override {}
  void StartControls() override {}
  void StartButtonArraysAtRun() override {}
  void ServiceHeldControls() override {}
  void ExecuteRunningButtonArrays() override {}
  void ExecuteRunningScripts() override {}
  void AdvanceControls() override {}
  void ServiceDialQueue(uint32_t) override {}
  void HaltButtonArrayAction(const std::string&) override {}
  void ResetControls(bool) override {}
  void HangUpTelephone() override {}
  ControlTriggers& Triggers() override { return m_triggers; }
  void SetButtonArrayAction(const std::string&, const std::string&) override {}

private:
  NoControlTriggers m_triggers;
};

}  // namespace korvix
