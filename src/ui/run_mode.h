#pragma once

#include <QWidget>

#include "document/korvix_doc.h"
#include "executors/outside_actions.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/wall_clock.h"
#include "render/object_states.h"
#include "render/view_state.h"
#include "runloop/view_runtime.h"
#include "runmode/run_mode_parts.h"
#include "runmode/runtime_run_services.h"
#include "ui/email_reports.h"

namespace korvix {

// What the view's run mode works with beyond the Run-Loop and the objects'
// states: the window's own actions and the program's ways out of it, but the
// e-mail reports, which go out over the Run-Loop's popup box.
struct RunModeWorld {
  QWidget& mainwindow;
  const ViewState& view;
  MillisecondClock& clock;
  WallClock& wall;
  MessageSink& messages;
  RunWindowActions& window;
  SoundPlayer& sound;
  ProgramRunner& programs;
  TelephoneLine& telephone;
  LabelPrinter& printer;
};

// The view's run mode: its e-mail reports, and the Script and Button Array
// executors with the operator's controls on the Run-Loop's values and link.
class CRunMode {
public:
  CRunMode(CKorvixDoc& doc, ViewRuntime& runtime, ObjectStates& objects, const RunModeWorld& world)
      : m_email(doc.m_emailserver, runtime.Popup(), world.mainwindow, world.wall),
        m_parts(doc, runtime,
                RunModeSurroundings{
                    world.view, objects.geometry, objects.inputwindows, world.clock, world.messages, world.window,
                    OutsideActions{world.sound, world.programs, world.telephone, m_email, world.printer}}) {}
  CRunMode(const CRunMode&) = delete;
  CRunMode& operator=(const CRunMode&) = delete;

  CEmailReports& Email() { return m_email; }
  ScriptServices& Scripts() { return m_parts.Scripts(); }
  RunControls& Controls() { return m_parts.Controls(); }

private:
  CEmailReports m_email;
  RunModeParts m_parts;
};

}  // namespace korvix
