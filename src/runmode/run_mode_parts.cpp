#include "runmode/run_mode_parts.h"

namespace korvix {

RunModeParts::RunModeParts(CKorvixDoc& doc, ViewRuntime& runtime, RunModeSurroundings around)
    : m_outside(around.outside),
      m_linkservices(runtime.Link()),
      m_picontrollers(doc, runtime.Values(), m_linkservices, runtime, around.clock),
      m_runservices(doc, runtime, m_picontrollers, around.window),
      m_executors(doc, runtime.Values(), m_linkservices, around.clock, around.sink, runtime, m_runservices, m_outside),
      m_controls(doc, around.view, around.geometry, runtime.Values(), m_executors, m_runservices, m_picontrollers,
                 around.clock, around.inputs),
      m_controlstart(doc, runtime.Link(), runtime.Values(), around.sink),
      m_scripts(m_executors, m_controls, m_controlstart, m_picontrollers) {}

}  // namespace korvix
