#pragma once

#include <cstdint>
#include <string>

#include "automation/action_codes.h"
#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "executors/control_actions.h"
#include "executors/dial_queue.h"
#include "executors/outside_actions.h"
#include "executors/run_services.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "values/run_state.h"
#include "values/value_hooks.h"

namespace korvix {

// The Scripts and Button Arrays as the actions reach them by ID Label. Each
// call answers false when no such object exists.
class RunningObjects {
public:
  virtual ~RunningObjects() = default;
  virtual bool StartScript(const std::string& label) = 0;
  virtual bool HaltScript(const std::string& label) = 0;
  virtual bool IsScriptRunning(const std::string& label, bool& running) = 0;
  virtual bool StartButtonArray(const std::string& label) = 0;
  virtual bool HaltButtonArray(const std::string& label) = 0;
  virtual bool IsButtonArrayRunning(const std::string& label, bool& running) = 0;
  virtual bool SelectSubButton(const std::string& label, const std::string& title) = 0;
};

// Whose action it is: its commands go out and come back in this slot.
struct ActionHolder {
  CommandKind kind = CommandKind::Script;
  int index = 0;
  int slot = 0;
};

enum class ActionProgress {
  Done,
  Waiting,  // call Continue on a later pass
  Stopped,  // the holder ends: the action failed and the operator was told
};

// What an action under way waits for, between passes.
struct ActionWait {
  ArrayAction action = ArrayAction::TransmitCommand;
  ActionSlot texts;  // as stored, before expansion
  int phase = 0;
  uint32_t start = 0;
  uint32_t duration = 0;
  std::string text;      // expanded command, data awaited or file path
  std::string snapshot;  // the last received line when the wait began
  std::string pending;   // Ping: the addresses still to ask
  int failures = 0;
  int replied = 0;
};

// Carries out one action of the vocabulary for any holder, never blocking:
// what takes time is a wait that Continue looks at again.
class ActionExecutor {
public:
  ActionExecutor(CKorvixDoc& doc, RunValues& values, LinkServices& link, MillisecondClock& clock, MessageSink& sink,
                 RunLoopControl& runloop, ControlActions& controls, RunServices& services, OutsideActions& outside,
                 DialQueue& dialqueue, RunningObjects& objects);

  // texts.action is an ArrayActionCode.
  ActionProgress Start(const ActionSlot& texts, const ActionHolder& holder, ActionWait& wait);
  ActionProgress Continue(const ActionHolder& holder, ActionWait& wait);
  // Tells the operator that a label names nothing of that kind; for a label
  // that nothing bears at all the Run-Loop halts as for any unknown label.
  // The label is a copy: the halt resets the state it may come from.
  void ReportMissing(std::string label, const char* kind);
  void ReportBadText(const std::string& what, const std::string& text);

private:
  ActionProgress Transmit(const ActionHolder& holder, ActionWait& wait);
  ActionProgress AwaitReply(const ActionHolder& holder, ActionWait& wait);
  ActionProgress Pause(ActionWait& wait);
  ActionProgress AwaitData(ActionWait& wait);
  ActionProgress AwaitEnd(ActionWait& wait);
  ActionProgress Ping(const ActionHolder& holder, ActionWait& wait);
  ActionProgress FileAccess(ActionWait& wait);
  ActionProgress ByLabel(ArrayAction action, const std::string& label, const std::string& second);
  ActionProgress MathConversion(const ActionSlot& texts);
  ActionProgress GotoPage(const std::string& text);
  ActionProgress PlaySound(const std::string& text);
  ActionProgress RunProgram(const std::string& text);
  ActionProgress SendEmail(const ActionWait& wait);
  bool OpenAndTransfer(ActionWait& wait);
  template <class List, class Act>
  bool ForEachLabelled(List& list, const std::string& label, Act act);
  CommandState& Command(const ActionHolder& holder);
  std::string Expand(const std::string& text) { return m_values.ExpandLabelRefs(text); }

  CKorvixDoc& m_doc;
  RunValues& m_values;
  LinkServices& m_link;
  MillisecondClock& m_clock;
  MessageSink& m_sink;
  RunLoopControl& m_runloop;
  ControlActions& m_controls;
  RunServices& m_services;
  OutsideActions& m_outside;
  DialQueue& m_dialqueue;
  RunningObjects& m_objects;
};

}  // namespace korvix
