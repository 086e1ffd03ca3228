#include "runmode/executor_services.h"

namespace korvix {

void ExecutorServices::RunScriptByName(const std::string& label) { m_executors.RunScriptByName(label); }

void ExecutorServices::TakeScriptReply(int index, const std::string& line) {
  m_executors.Scripts().TakeScriptReply(index, line);
}

void ExecutorServices::StartControls() {
  m_executors.Reset();
  m_controls.Reset();
  m_start.StartControls();
  m_picontrollers.StartRun();
}

void ExecutorServices::StartButtonArraysAtRun() {
  // The Button Array record holds no start-at-run flag: no array starts by
  // itself at the start of a run.
}

void ExecutorServices::ServiceHeldControls() { m_controls.ServiceHeldControls(); }

void ExecutorServices::ExecuteRunningButtonArrays() { m_executors.ExecuteRunningButtonArrays(); }

void ExecutorServices::ExecuteRunningScripts() { m_executors.ExecuteRunningScripts(); }

void ExecutorServices::AdvanceControls() {
  m_controls.AdvanceControls();
  m_picontrollers.Advance();
}

void ExecutorServices::ServiceDialQueue(uint32_t ringtime) { m_executors.Dialer().Service(ringtime); }

void ExecutorServices::HaltButtonArrayAction(const std::string& label) {
  m_executors.Arrays().HaltButtonArrayAction(label);
}

void ExecutorServices::ResetControls(bool wasrunning) {
  m_executors.Reset();
  m_controls.Reset();
  m_picontrollers.HaltRun(wasrunning);
}

void ExecutorServices::HangUpTelephone() { m_executors.Dialer().HangUp(); }

void ExecutorServices::SetButtonArrayAction(const std::string& label, const std::string& value) {
  m_executors.Arrays().SetButtonArrayAction(label, value);
}

}  // namespace korvix
