#pragma once

#include <string>

#include "executors/executors.h"
#include "platform/profile.h"
#include "runloop/run_loop_services.h"
#include "runmode/run_controls.h"

namespace korvix {

constexpr uint32_t kDefaultRingTimeMs = 40000;

// The executors and the run-mode controls as one pass of the Run-Loop
// calls them.
class ExecutorServices final : public ScriptServices {
public:
  ExecutorServices(Executors& executors, RunControls& controls, Profile& profile)
      : m_executors(executors), m_controls(controls), m_profile(profile) {}

  void RunScriptByName(const std::string& label) override { m_executors.RunScriptByName(label); }
  void TakeScriptReply(int index, const std::string& line) override {
    m_executors.Scripts().TakeScriptReply(index, line);
  }
  void StartControls() override;
  void StartButtonArraysAtRun() override;
  void ServiceHeldControls() override { m_controls.ServiceHeldControls(); }
  void ExecuteRunningButtonArrays() override { m_executors.ExecuteRunningButtonArrays(); }
  void ExecuteRunningScripts() override { m_executors.ExecuteRunningScripts(); }
  void AdvanceControls() override { m_controls.AdvanceControls(); }
  void ServiceDialQueue() override { m_executors.Dialer().Service(m_ringtime); }
  void HaltButtonArrayAction(const std::string& label) override {
    m_executors.Arrays().HaltButtonArrayAction(label);
  }
  void ResetControls(bool wasrunning) override;
  void HangUpTelephone() override { m_executors.Dialer().HangUp(); }

  void TurnOnLampAction(int index) override { m_executors.Controls().TurnOnLampAction(index); }
  void TurnOffLampAction(int index) override { m_executors.Controls().TurnOffLampAction(index); }
  void ToggleLampAction(int index) override { m_executors.Controls().ToggleLampAction(index); }
  void IncrementCounterAction(int index) override { m_executors.Controls().IncrementCounterAction(index); }
  void DecrementCounterAction(int index) override { m_executors.Controls().DecrementCounterAction(index); }
  void ResetCounterAction(int index) override { m_executors.Controls().ResetCounterAction(index); }
  void StartEventTimerAction(int index) override { m_executors.Controls().StartEventTimerAction(index); }
  void StopEventTimerAction(int index) override { m_executors.Controls().StopEventTimerAction(index); }
  void ResetEventTimerAction(int index) override { m_executors.Controls().ResetEventTimerAction(index); }
  void SetButtonArrayAction(const std::string& label, const std::string& value) override {
    m_executors.Arrays().SetButtonArrayAction(label, value);
  }

private:
  Executors& m_executors;
  RunControls& m_controls;
  Profile& m_profile;
  uint32_t m_ringtime = kDefaultRingTimeMs;
};

}  // namespace korvix
