#include "executors/script_executor.h"

#include <charconv>

#include "automation/step_codes.h"
#include "expressions/condition.h"
#include "texts/label_texts.h"

namespace korvix {
namespace {

constexpr const char* kNoEndLoop = "\" holds a Loop without an End Loop. \rThe Script was stopped.";
constexpr const char* kScriptStart = "The Script \"";
constexpr const char* kScriptCaption = "Operational Error";

// The step after the IF or Else IF branch that starts at `from`: the next
// Else IF, Else or End IF of the same IF, or the end of the list.
int NextBranch(const ScriptStepList& steps, int from) {
  int depth = 0;
  for (int i = from + 1; i < steps.Count(); ++i) {
    const int code = steps[i].code;
    if (code == kStepIf) {
      ++depth;
    } else if (code == kStepEndIf) {
      if (depth == 0) return i;
      --depth;
    } else if ((code == kStepElseIf || code == kStepElse) && depth == 0) {
      return i;
    }
  }
  return steps.Count();
}

int MatchingEndIf(const ScriptStepList& steps, int from) {
  int i = from;
  while (i < steps.Count() && steps[i].code != kStepEndIf) i = NextBranch(steps, i);
  return i;
}

// The End Loop that closes the innermost Loop around or at `from`.
int MatchingEndLoop(const ScriptStepList& steps, int from) {
  int depth = 0;
  for (int i = from + 1; i < steps.Count(); ++i) {
    if (steps[i].code == kStepLoop) ++depth;
    if (steps[i].code == kStepEndLoop) {
      if (depth == 0) return i;
      --depth;
    }
  }
  return -1;
}

int MatchingLoop(const ScriptStepList& steps, int from) {
  int depth = 0;
  for (int i = from - 1; i >= 0; --i) {
    if (steps[i].code == kStepEndLoop) ++depth;
    if (steps[i].code == kStepLoop) {
      if (depth == 0) return i;
      --depth;
    }
  }
  return -1;
}

}  // namespace

ScriptExecutor::ScriptRun& ScriptExecutor::Run(int index) {
  if (static_cast<size_t>(index) >= m_runs.size()) m_runs.resize(static_cast<size_t>(index) + 1);
  return m_runs[static_cast<size_t>(index)];
}

int ScriptExecutor::FindScript(const std::string& label) const {
  for (int i = 0; i < m_doc.m_scripts.Count(); ++i) {
    if (LabelsEqual(m_doc.m_scripts[i].idlabel, label)) return i;
  }
  return -1;
}

bool ScriptExecutor::RunScriptByName(const std::string& label) {
  const int index = FindScript(label);
  if (index < 0) return false;
  ScriptRecord& script = m_doc.m_scripts[index];
  if (script.isrunning) return true;
  Run(index) = ScriptRun{};
  script.curstep = 0;
  script.isrunning = 1;
  return true;
}

bool ScriptExecutor::HaltScript(const std::string& label) {
  const int index = FindScript(label);
  if (index < 0) return false;
  Stop(index);
  return true;
}

bool ScriptExecutor::IsScriptRunning(const std::string& label, bool& running) {
  const int index = FindScript(label);
  if (index < 0) return false;
  running = m_doc.m_scripts[index].isrunning != 0;
  return true;
}

void ScriptExecutor::TakeScriptReply(int index, const std::string& line) {
  if (index >= m_doc.m_scripts.Count() || !m_doc.m_scripts[index].isrunning) return;
  ScriptRun& run = Run(index);
  if (!run.waiting || run.wait.action != ArrayAction::TransmitCommand || run.wait.replied) return;
  run.wait.replied = 1;
  const std::string& target = run.wait.texts.second;
  if (!LabelsEqual(target, kDiscardLabel)) m_values.DeliverLabelValue(target, line);
}

void ScriptExecutor::Stop(int index) {
  ScriptRecord& script = m_doc.m_scripts[index];
  script.isrunning = 0;
  script.curstep = 0;
  Run(index) = ScriptRun{};
  m_values.State().Command(CommandKind::Script, index).awaiting = 0;
}

void ScriptExecutor::Reset() {
  for (ScriptRecord& script : m_doc.m_scripts) {
    script.isrunning = 0;
    script.curstep = 0;
  }
  // In place: a halt may come from inside a step that still holds its state.
  for (ScriptRun& run : m_runs) run = ScriptRun{};
}

void ScriptExecutor::ExecuteScript(int index) {
  for (int n = 0; n < kStepsPerCall; ++n) {
    ScriptRecord& script = m_doc.m_scripts[index];
    if (!script.isrunning) return;
    if (script.curstep < 0 || script.curstep >= script.steps.Count()) {
      Stop(index);
      return;
    }
    ScriptRun& run = Run(index);
    const ActionHolder holder{CommandKind::Script, index, 0};
    if (run.waiting) {
      const ActionProgress progress = m_actions.Continue(holder, run.wait);
      if (progress == ActionProgress::Waiting) return;
      run.waiting = false;
      if (progress == ActionProgress::Stopped) {
        Stop(index);
        return;
      }
      ++m_doc.m_scripts[index].curstep;
      continue;
    }
    const Flow flow = RunStep(index, run);
    if (flow == Flow::Wait) return;
    if (flow == Flow::Stop) {
      Stop(index);
      return;
    }
    if (flow == Flow::Next) ++m_doc.m_scripts[index].curstep;
  }
}

bool ScriptExecutor::Condition(const ScriptStep& step) {
  return EvaluateCondition(step.param1, m_values.Values(), m_values.Random());
}

ScriptExecutor::Flow ScriptExecutor::StepIf(ScriptRecord& script, int from) {
  int i = from;
  while (i < script.steps.Count()) {
    const ScriptStep& step = script.steps[i];
    if (step.code == kStepEndIf) break;
    if (step.code == kStepElse || Condition(step)) {
      script.curstep = i + 1;
      return Flow::Jumped;
    }
    i = NextBranch(script.steps, i);
  }
  script.curstep = i + 1;
  return Flow::Jumped;
}

ScriptExecutor::Flow ScriptExecutor::StepLoop(ScriptRecord& script, ScriptRun& run) {
  const int at = script.curstep;
  const int end = MatchingEndLoop(script.steps, at);
  if (end < 0) {
    m_sink.Show(kScriptCaption, kScriptStart + script.idlabel + kNoEndLoop, MessageIcon::Exclamation);
    return Flow::Stop;
  }
  const std::string text = m_values.ExpandLabelRefs(script.steps[at].param1);
  long long cycles = 0;
  if (!text.empty()) {
    const auto [last, error] = std::from_chars(text.data(), text.data() + text.size(), cycles);
    if (error != std::errc() || last != text.data() + text.size()) {
      m_actions.ReportBadText("number of Loop cycles", text);
      return Flow::Stop;
    }
    if (cycles <= 0) {
      script.curstep = end + 1;
      return Flow::Jumped;
    }
  }
  run.loopcycles[at] = cycles;  // 0: until an Exit Loop IF holds
  script.curstep = at + 1;
  return Flow::Jumped;
}

ScriptExecutor::Flow ScriptExecutor::StepEndLoop(ScriptRecord& script, ScriptRun& run) {
  const int start = MatchingLoop(script.steps, script.curstep);
  if (start < 0) return Flow::Next;
  long long& left = run.loopcycles[start];
  if (left > 0 && --left == 0) return Flow::Next;
  script.curstep = start + 1;
  return Flow::Jumped;
}

ScriptExecutor::Flow ScriptExecutor::RunStep(int index, ScriptRun& run) {
  ScriptRecord& script = m_doc.m_scripts[index];
  const ScriptStep& step = script.steps[script.curstep];
  switch (step.code) {
    case kStepIf: return StepIf(script, script.curstep);
    case kStepElseIf:
    case kStepElse:
      // The branch before it ran: the rest of the IF is skipped.
      script.curstep = MatchingEndIf(script.steps, script.curstep) + 1;
      return Flow::Jumped;
    case kStepEndIf: return Flow::Next;
    case kStepLoop: return StepLoop(script, run);
    case kStepExitLoopIf: {
      if (!Condition(step)) return Flow::Next;
      const int end = MatchingEndLoop(script.steps, script.curstep);
      if (end < 0) return Flow::Stop;
      script.curstep = end + 1;
      return Flow::Jumped;
    }
    case kStepEndLoop: return StepEndLoop(script, run);
    case kStepShowMessage:
      m_values.SetMessageColours(step.param2, step.color1, step.color2);
      m_values.DeliverLabelValue(step.param2, m_values.ExpandLabelRefs(step.param1));
      return Flow::Next;
    case kStepShowPopupBox:
      m_services.ShowPopupBox(m_values.ExpandLabelRefs(step.param1), m_values.ExpandLabelRefs(step.param2));
      return Flow::Next;
    case kStepExitScript: return Flow::Stop;
    default: break;
  }
  const StepCodeInfo* info = FindStepCode(step.code);
  ActionSlot texts;
  texts.action = info ? info->arrayaction : kNoAction;
  if (texts.action == kNoAction) {
    m_actions.ReportBadText("step code", std::to_string(step.code));
    return Flow::Stop;
  }
  texts.param = step.param1;
  texts.second = step.param2;
  texts.fontsize = step.fontsize;
  texts.barcode = step.barcode;
  texts.barsize = step.barsize;
  const ActionProgress progress = m_actions.Start(texts, ActionHolder{CommandKind::Script, index, 0}, run.wait);
  if (progress == ActionProgress::Stopped) return Flow::Stop;
  if (progress == ActionProgress::Waiting) {
    run.waiting = true;
    return Flow::Wait;
  }
  return Flow::Next;
}

}  // namespace korvix
