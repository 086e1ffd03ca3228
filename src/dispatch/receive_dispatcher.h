#pragma once

#include <string>

#include "document/korvix_doc.h"
#include "expressions/script_starter.h"
#include "platform/millisecond_clock.h"
#include "values/label_values.h"
#include "values/reply_tracker.h"
#include "values/run_state.h"
#include "values/value_hooks.h"

namespace korvix {

// Empties the receive buffer line by line: a module's reset notice, a radio
// position report, or the reply that every object awaiting an answer from the
// line's module takes.
class ReceiveDispatcher {
public:
  ReceiveDispatcher(CKorvixDoc& doc, RunState& state, LabelValues& values, ReplyTracker& replies, LinkServices& link,
                    RunLoopControl& runloop, ObjectActions& actions, ScriptStarter& scripts, MillisecondClock& clock);

  void DispatchReceivedLines();

private:
  // True when the reset notice ended the dispatch.
  bool ModuleReset(const std::string& line);
  void OfferLine(const std::string& line);
  bool Matches(const std::string& command, char address);
  template <ScreenObjectKind K>
  void OfferPolled(const std::string& line);
  // Control and Script commands: every awaiting slot of the line's module is
  // freed; the reply goes to the Script, else to the slot's response label.
  void OfferCommands(CommandKind kind, const std::string& line);

  CKorvixDoc& m_doc;
  RunState& m_state;
  LabelValues& m_values;
  ReplyTracker& m_replies;
  LinkServices& m_link;
  RunLoopControl& m_runloop;
  ObjectActions& m_actions;
  ScriptStarter& m_scripts;
  MillisecondClock& m_clock;
};

}  // namespace korvix
