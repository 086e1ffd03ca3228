#include "executors/executors.h"

namespace korvix {

Executors::Executors(CKorvixDoc& doc, RunValues& values, LinkServices& link, MillisecondClock& clock, MessageSink& sink,
                     RunLoopControl& runloop, RunServices& services, OutsideActions& outside)
    : m_doc(doc),
      m_controls(doc, clock, services),
      m_dialqueue(outside.telephone, sink, clock),
      m_actions(doc, values, link, clock, sink, runloop, m_controls, services, outside, m_dialqueue, *this),
      m_scripts(doc, values, m_actions, services, sink),
      m_arrays(doc, m_actions, services) {}

void Executors::RunScriptByName(const std::string& label) {
  if (!m_scripts.RunScriptByName(label)) m_actions.ReportMissing(label, "a Script");
}

void Executors::ExecuteRunningButtonArrays() {
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) m_arrays.ExecuteButtonArray(i);
}

void Executors::ExecuteRunningScripts() {
  for (int i = 0; i < m_doc.m_scripts.Count(); ++i) {
    if (m_doc.m_scripts[i].isrunning) m_scripts.ExecuteScript(i);
  }
}

void Executors::Reset() {
  m_scripts.Reset();
  m_arrays.Reset();
  m_controls.Reset();
  m_dialqueue.HangUp();
}

}  // namespace korvix
