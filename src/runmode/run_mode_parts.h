#pragma once

#include "dispatch/com_link_services.h"
#include "document/korvix_doc.h"
#include "executors/executors.h"
#include "executors/outside_actions.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "render/input_window_state.h"
#include "render/object_geometry.h"
#include "render/view_state.h"
#include "runloop/view_runtime.h"
#include "runmode/control_start.h"
#include "runmode/executor_services.h"
#include "runmode/pi_controllers.h"
#include "runmode/run_controls.h"
#include "runmode/runtime_run_services.h"

namespace korvix {

// What the run-mode parts work with besides the Run-Loop.
struct RunModeSurroundings {
  const ViewState& view;
  ObjectGeometry& geometry;
  InputWindowRunStates& inputs;
  MillisecondClock& clock;
  MessageSink& sink;
  RunWindowActions& window;
  OutsideActions outside;
};

// The Script and Button Array executors and the run-mode controls, built on
// the Run-Loop's label values and link. The Run-Loop calls them in every
// pass, so it makes them once its values exist (see ScriptServicesMaker):
// that is the one place where values and executors meet.
class RunModeParts {
public:
  RunModeParts(CKorvixDoc& doc, ViewRuntime& runtime, RunModeSurroundings around);
  RunModeParts(const RunModeParts&) = delete;
  RunModeParts& operator=(const RunModeParts&) = delete;

  ScriptServices& Scripts() { return m_scripts; }
  RunControls& Controls() { return m_controls; }

private:
  OutsideActions m_outside;
  ComLinkServices m_linkservices;
  PIControllers m_picontrollers;
  RuntimeRunServices m_runservices;
  Executors m_executors;
  RunControls m_controls;
  ControlStart m_controlstart;
  ExecutorServices m_scripts;
};

}  // namespace korvix
