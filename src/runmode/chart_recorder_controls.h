#pragma once

#include <cstdint>

#include "document/korvix_doc.h"
#include "executors/run_services.h"
#include "platform/millisecond_clock.h"
#include "render/chart_recorder_geometry.h"
#include "render/object_run_states.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// The operator's buttons on a running page's Chart Recorders: the strip's
// navigation, cursor and Time/Div buttons, the Cursor Mode selector and the
// legend arrows. A press makes one step at once; the repeating buttons held
// down step again after 250 ms and then every 100 ms, each step a little
// larger than the one before (`m_holdspeed`).
class ChartRecorderControls {
public:
  ChartRecorderControls(CKorvixDoc& doc, const ViewState& view, ObjectRunStates& states, RunServices& services,
                        MillisecondClock& clock)
      : m_doc(doc), m_states(states), m_geometry(doc, view, states), m_services(services), m_clock(clock) {}

  // Client-area pixels; true when a recorder's button took the press.
  bool OnLeftButtonDown(Point point);
  // True when a press of ours ended; the button comes up again, and a
  // released Print button prints its recorder.
  bool OnLeftButtonUp();
  // Pass step: the held button's repeats.
  void AdvanceControls();
  void Reset();

  // Speed of the held button: 1 at every press, one more per step.
  double m_holdspeed = 1.0;

private:
  enum class Button {
    None,
    ToStart,
    StepBack,
    StepForward,
    ToEnd,
    ModeNone,
    ModeTime,
    ModeUnits,
    Cursor1Down,
    Cursor1Up,
    Cursor2Down,
    Cursor2Up,
    TimeDivDown,
    TimeDivUp,
    Print,
    UnitDivUp,
    UnitDivDown,
    PositionUp,
    PositionDown,
  };

  Button Hit(int index, Point point, int& field) const;
  static int* PressedFlag(ChartRecorderRecord& r, ChartRecorderRunState& state, Button button, int field);
  static bool Repeats(Button button);
  Rect ButtonRect(int index, Button button, int field) const;
  void InvalidateStep(int index, Button button, int field);
  // One step of the button; `held` for the repeats of a held button.
  void Step(int index, Button button, int field, bool held);
  void MoveWindow(ChartRecorderRecord& r, int64_t ms) const;
  void MoveCursor(ChartRecorderRecord& r, std::string& cursor, int direction, bool held, int index) const;
  void SetCursorMode(ChartRecorderRecord& r, Button button) const;

  CKorvixDoc& m_doc;
  ObjectRunStates& m_states;
  ChartRecorderGeometry m_geometry;
  RunServices& m_services;
  MillisecondClock& m_clock;

  int m_index = -1;
  Button m_button = Button::None;
  int m_field = -1;
  uint32_t m_lastrepeat = 0;
  bool m_repeating = false;
};

}  // namespace korvix
