#pragma once

#include "document/korvix_doc.h"
#include "platform/millisecond_clock.h"
#include "values/label_values.h"
#include "values/run_state.h"
#include "values/value_hooks.h"

namespace korvix {

// Which commands still owe a module's reply, their time-outs and retries,
// and the commands that operator controls queued.
class ReplyTracker {
public:
  ReplyTracker(CKorvixDoc& doc, RunState& state, LabelValues& values, LinkServices& link, ObjectActions& actions,
               MillisecondClock& clock);

  // True while an object awaits a reply to a command that, expanded, begins
  // with that module address.
  bool IsReplyPending(char address);
  void ClearPendingReplies();
  // Once per pass: polled objects past the reply time-out are retried by the
  // poll and show "Error" past the retry limit; unacknowledged control
  // commands are repeated and give up after "TransmitTimeout".
  void ServiceReplyTimeouts();
  // Once per pass: sends what controls queued; a failed send stays queued.
  void ServicePendingSends();

private:
  template <ScreenObjectKind K>
  bool AnyPolledAwaiting(char address);
  template <ScreenObjectKind K>
  void TimeOutPolled();
  void TimeOutCommands(CommandKind kind);
  void TimeOutCommand(CommandKind kind, int index, int slot);
  void SendPending(CommandKind kind, int index, int slot, int awaitvalue);
  bool StartsWith(const std::string& command, char address);

  CKorvixDoc& m_doc;
  RunState& m_state;
  LabelValues& m_values;
  LinkServices& m_link;
  ObjectActions& m_actions;
  MillisecondClock& m_clock;
};

}  // namespace korvix
