#pragma once

#include <string>

#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "executors/action_executor.h"
#include "executors/button_array_executor.h"
#include "executors/control_actions.h"
#include "executors/dial_queue.h"
#include "executors/outside_actions.h"
#include "executors/run_services.h"
#include "executors/script_executor.h"

namespace korvix {

// The Script and Button Array executors with the actions they share.
class Executors final : public RunningObjects {
public:
  Executors(CKorvixDoc& doc, RunValues& values, LinkServices& link, MillisecondClock& clock, MessageSink& sink,
            RunLoopControl& runloop, RunServices& services, OutsideActions& outside);

  ControlActions& Controls() { return m_controls; }
  DialQueue& Dialer() { return m_dialqueue; }
  ActionExecutor& Actions() { return m_actions; }
  ScriptExecutor& Scripts() { return m_scripts; }
  ButtonArrayExecutor& Arrays() { return m_arrays; }

  // Unknown Script labels get the unknown-label halt.
  void RunScriptByName(const std::string& label);

  bool StartScript(const std::string& label) override { return m_scripts.RunScriptByName(label); }
  bool HaltScript(const std::string& label) override { return m_scripts.HaltScript(label); }
  bool IsScriptRunning(const std::string& label, bool& running) override {
    return m_scripts.IsScriptRunning(label, running);
  }
  bool StartButtonArray(const std::string& label) override { return m_arrays.StartButtonArray(label); }
  bool HaltButtonArray(const std::string& label) override { return m_arrays.HaltButtonArrayAction(label); }
  bool IsButtonArrayRunning(const std::string& label, bool& running) override {
    return m_arrays.IsButtonArrayRunning(label, running);
  }
  bool SelectSubButton(const std::string& label, const std::string& title) override {
    return m_arrays.SetButtonArrayAction(label, title);
  }

  // One pass: every running Button Array, then every running Script.
  void ExecuteRunningButtonArrays();
  void ExecuteRunningScripts();
  void Reset();

private:
  CKorvixDoc& m_doc;
  ControlActions m_controls;
  DialQueue m_dialqueue;
  ActionExecutor m_actions;
  ScriptExecutor m_scripts;
  ButtonArrayExecutor m_arrays;
};

}  // namespace korvix
