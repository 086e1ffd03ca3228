#pragma once

#include <cstdint>
#include <string>

#include "executors/executors.h"
#include "platform/profile.h"
#include "runloop/run_loop_services.h"
#include "runmode/control_start.h"
#include "runmode/pi_controllers.h"
#include "runmode/run_controls.h"

namespace korvix {

constexpr uint32_t kDefaultRingTimeMs = 40000;

// The executors and the run-mode controls as one pass of the Run-Loop
// calls them. The Run-Loop takes this before the executors can exist (they
// work on its label values), so they are attached afterwards; until then
// every call does nothing.
class ExecutorServices final : public ScriptServices {
public:
  explicit ExecutorServices(Profile& profile) : m_profile(profile) {}
  void Attach(Executors& executors, RunControls& controls, ControlStart& start, PIControllers& picontrollers) {
    m_executors = &executors;
    m_controls = &controls;
    m_start = &start;
    m_picontrollers = &picontrollers;
  }

  void RunScriptByName(const std::string& label) override;
  void TakeScriptReply(int index, const std::string& line) override;
  void StartControls() override;
  void StartButtonArraysAtRun() override;
  void ServiceHeldControls() override;
  void ExecuteRunningButtonArrays() override;
  void ExecuteRunningScripts() override;
  void AdvanceControls() override;
  void ServiceDialQueue() override;
  void HaltButtonArrayAction(const std::string& label) override;
  void ResetControls(bool wasrunning) override;
  void HangUpTelephone() override;

  void TurnOnLampAction(int index) override;
  void TurnOffLampAction(int index) override;
  void ToggleLampAction(int index) override;
  void IncrementCounterAction(int index) override;
  void DecrementCounterAction(int index) override;
  void ResetCounterAction(int index) override;
  void StartEventTimerAction(int index) override;
  void StopEventTimerAction(int index) override;
  void ResetEventTimerAction(int index) override;
  void SetButtonArrayAction(const std::string& label, const std::string& value) override;

private:
  template <class Act>
  void OnControls(Act act) {
    if (m_executors) act(m_executors->Controls());
  }

  Profile& m_profile;
  Executors* m_executors = nullptr;
  RunControls* m_controls = nullptr;
  ControlStart* m_start = nullptr;
  PIControllers* m_picontrollers = nullptr;
  uint32_t m_ringtime = kDefaultRingTimeMs;
};

}  // namespace korvix
