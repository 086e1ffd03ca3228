#pragma once

#include <cstdint>
#include <string>

#include "executors/executors.h"
#include "runloop/run_loop_services.h"
#include "runmode/control_start.h"
#include "runmode/pi_controllers.h"
#include "runmode/run_controls.h"

namespace korvix {

// The executors and the run-mode controls as one pass of the Run-Loop
// calls them.
class ExecutorServices final : public ScriptServices {
public:
  ExecutorServices(Executors& executors, RunControls& controls, ControlStart& start, PIControllers& picontrollers)
      : m_executors(executors), m_controls(controls), m_start(start), m_picontrollers(picontrollers) {}

  void RunScriptByName(const std::string& label) override;
  void TakeScriptReply(int index, const std::string& line) override;
  void StartControls() override;
  void StartButtonArraysAtRun() override;
  void ServiceHeldControls() override;
  void ExecuteRunningButtonArrays() override;
  void ExecuteRunningScripts() override;
  void AdvanceControls() override;
  void ServiceDialQueue(uint32_t ringtime) override;
  void HaltButtonArrayAction(const std::string& label) override;
  void ResetControls(bool wasrunning) override;
  void HangUpTelephone() override;

  ControlTriggers& Triggers() override { return m_executors.Controls(); }
  void SetButtonArrayAction(const std::string& label, const std::string& value) override;

private:
  Executors& m_executors;
  RunControls& m_controls;
  ControlStart& m_start;
  PIControllers& m_picontrollers;
};

}  // namespace korvix
