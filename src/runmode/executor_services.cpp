#include "runmode/executor_services.h"

namespace korvix {

void ExecutorServices::RunScriptByName(const std::string& label) {
  if (m_executors) m_executors->RunScriptByName(label);
}

void ExecutorServices::TakeScriptReply(int index, const std::string& line) {
  if (m_executors) m_executors->Scripts().TakeScriptReply(index, line);
}

void ExecutorServices::StartControls() {
  if (m_executors) m_executors->Reset();
  if (m_controls) m_controls->Reset();
  if (m_start) m_start->StartControls();
  if (m_picontrollers) m_picontrollers->StartRun();
}

void ExecutorServices::StartButtonArraysAtRun() {
  // The Button Array record holds no start-at-run flag: no array starts by
  // itself at the start of a run.
}

void ExecutorServices::ServiceHeldControls() {
  if (m_controls) m_controls->ServiceHeldControls();
}

void ExecutorServices::ExecuteRunningButtonArrays() {
  if (m_executors) m_executors->ExecuteRunningButtonArrays();
}

void ExecutorServices::ExecuteRunningScripts() {
  if (m_executors) m_executors->ExecuteRunningScripts();
}

void ExecutorServices::AdvanceControls() {
  if (m_controls) m_controls->AdvanceControls();
  if (m_picontrollers) m_picontrollers->Advance();
}

void ExecutorServices::ServiceDialQueue(uint32_t ringtime) {
  if (m_executors) m_executors->Dialer().Service(ringtime);
}

void ExecutorServices::HaltButtonArrayAction(const std::string& label) {
  if (m_executors) m_executors->Arrays().HaltButtonArrayAction(label);
}

void ExecutorServices::ResetControls(bool wasrunning) {
  if (m_executors) m_executors->Reset();
  if (m_controls) m_controls->Reset();
  if (m_picontrollers) m_picontrollers->HaltRun(wasrunning);
}

void ExecutorServices::HangUpTelephone() {
  if (m_executors) m_executors->Dialer().HangUp();
}

void ExecutorServices::SetButtonArrayAction(const std::string& label, const std::string& value) {
  if (m_executors) m_executors->Arrays().SetButtonArrayAction(label, value);
}

}  // namespace korvix
