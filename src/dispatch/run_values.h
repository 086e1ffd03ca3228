#pragma once

#include <string>

#include "dispatch/receive_dispatcher.h"
#include "document/korvix_doc.h"
#include "expressions/conditionals.h"
#include "expressions/math_formula.h"
#include "expressions/script_starter.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "values/label_values.h"
#include "values/lookup_tables.h"
#include "values/reply_tracker.h"
#include "values/run_state.h"
#include "values/value_hooks.h"

namespace korvix {

// The run-time values of the view: its state, label values, Conditionals,
// reply bookkeeping and the receive dispatcher, put together. The view owns
// one and forwards the COM link host's IsReplyPending, ServiceReplyTimeouts,
// DispatchReceivedLines, DeliverLabelValue and ExpandLabelRefs to it.
class RunValues {
public:
  RunValues(CKorvixDoc& doc, MessageSink& sink, RunLoopControl& runloop, ObjectActions& actions, ScriptStarter& scripts,
            LinkServices& link, MillisecondClock& clock, LookupTables::FileReader tables = {});

  bool IsReplyPending(char address) { return m_replies.IsReplyPending(address); }
  void ServiceReplyTimeouts() { m_replies.ServiceReplyTimeouts(); }
  void DispatchReceivedLines() { m_dispatcher.DispatchReceivedLines(); }
  void DeliverLabelValue(const std::string& label, const std::string& value) {
    m_values.DeliverLabelValue(label, value);
  }
  std::string ExpandLabelRefs(const std::string& text) { return m_values.ExpandLabelRefs(text); }

  void GetLabelValue(std::string& out, const std::string& label, bool zeroIfEmpty) {
    m_values.GetLabelValue(out, label, zeroIfEmpty);
  }
  void SetMessageColours(const std::string& label, int foreground, int background) {
    m_values.SetMessageColours(label, foreground, background);
  }
  void ClearPendingReplies() { m_replies.ClearPendingReplies(); }
  void ServicePendingSends() { m_replies.ServicePendingSends(); }
  void RunConditionalsFor(const std::string& label) { m_values.Conditionals().RunConditionalsFor(label); }
  void PollConditionals(ConditionalSweep sweep = ConditionalSweep::Pending) {
    m_values.Conditionals().PollConditionals(sweep);
  }

  RunState& State() { return m_state; }
  RandomSource& Random() { return m_random; }
  LookupTables& Tables() { return m_tables; }
  LabelValues& Values() { return m_values; }

private:
  RunState m_state;
  RandomSource m_random;
  LookupTables m_tables;
  LabelValues m_values;
  ReplyTracker m_replies;
  ReceiveDispatcher m_dispatcher;
};

}  // namespace korvix
