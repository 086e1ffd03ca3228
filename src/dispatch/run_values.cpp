#include "dispatch/run_values.h"

namespace korvix {

RunValues::RunValues(CKorvixDoc& doc, MessageSink& sink, RunLoopControl& runloop, ObjectActions& actions,
                     ScriptStarter& scripts, LinkServices& link, MillisecondClock& clock,
                     LookupTables::FileReader tables)
    : m_tables(tables ? LookupTables(std::move(tables)) : LookupTables()),
      m_values(doc, m_state, sink, runloop, actions, scripts, m_random, m_tables),
      m_replies(doc, m_state, m_values, link, actions, clock),
      m_dispatcher(doc, m_state, m_values, m_replies, link, runloop, actions, scripts, clock) {}

}  // namespace korvix
