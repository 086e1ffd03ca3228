#pragma once

#include <deque>
#include <map>
#include <string>

#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "executors/action_executor.h"
#include "executors/run_services.h"
#include "platform/message_sink.h"
#include "values/value_hooks.h"

namespace korvix {

// Steps one call carries out at most, so that a Loop without waits cannot
// hold the pass.
constexpr int kStepsPerCall = 200;

// Runs the steps of Scripts, one call per pass for each running Script: every
// step that does not wait runs at once, a waiting step leaves the Script
// where it is until a later call finds the wait over.
class ScriptExecutor {
public:
  ScriptExecutor(CKorvixDoc& doc, RunValues& values, ActionExecutor& actions, RunServices& services, MessageSink& sink)
      : m_doc(doc), m_values(values), m_actions(actions), m_services(services), m_sink(sink) {}

  void ExecuteScript(int index);
  // Starts a Script that is not running, at its first step; false when no
  // Script has that ID Label.
  bool RunScriptByName(const std::string& label);
  bool HaltScript(const std::string& label);
  bool IsScriptRunning(const std::string& label, bool& running);
  void TakeScriptReply(int index, const std::string& line);
  // Every Script stopped and its state forgotten.
  void Reset();

private:
  struct ScriptRun {
    bool waiting = false;
    ActionWait wait;
    std::map<int, long long> loopcycles;  // by the step index of the Loop
  };
  enum class Flow { Next, Jumped, Wait, Stop };
  Flow RunStep(int index, ScriptRun& run);
  Flow StepIf(ScriptRecord& script, int from);
  Flow StepLoop(ScriptRecord& script, ScriptRun& run);
  Flow StepEndLoop(ScriptRecord& script, ScriptRun& run);
  bool Condition(const ScriptStep& step);
  void Stop(int index);
  int FindScript(const std::string& label) const;
  ScriptRun& Run(int index);

  CKorvixDoc& m_doc;
  RunValues& m_values;
  ActionExecutor& m_actions;
  RunServices& m_services;
  MessageSink& m_sink;
  // A deque: a Script that another one starts leaves the caller's state where it is.
  std::deque<ScriptRun> m_runs;
};

}  // namespace korvix
