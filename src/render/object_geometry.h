#pragma once

#include "document/korvix_doc.h"
#include "render/object_run_states.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// Where every screen object lies in the view's client area, from its record's
// unzoomed position and size, the Font Size factor, the grid and the scroll
// position. Drawing, hit testing, selection, dragging and placing all take
// their rectangles from here.
//
// A whole-object rectangle clamps the record's x and y to 0 or more and, unless
// a drag is in progress, keeps the result as the object's screenrect in the
// view's run-time states. The part rectangles recompute the object's
// rectangle and leave the record alone.
class ObjectGeometry {
public:
  ObjectGeometry(CKorvixDoc& doc, const ViewState& view, ObjectRunStates& states)
      : m_doc(doc), m_view(view), m_states(states) {}

  // Where the whole-object rectangles are kept.
  ObjectRunStates& States() const { return m_states; }

  Rect ObjectRectTextBox(int index);
  Rect ObjectRectImageBox(int index);
  Rect ObjectRectDataWindow(int index);
  Rect ObjectRectTextWindow(int index);
  Rect ObjectRectInputWindow(int index);
  Rect ObjectRectLevelGauge(int index);
  Rect ObjectRectDialGauge(int index);
  Rect ObjectRectMeterGauge(int index);
  Rect ObjectRectVerticalGauge(int index);
  Rect ObjectRectHorizontalGauge(int index);
  Rect ObjectRectDualHandGauge(int index);
  Rect ObjectRectWindVane(int index);
  Rect ObjectRectPivotTracker(int index);
  Rect ObjectRectSignalLamp(int index);
  Rect ObjectRectEventCounter(int index);
  Rect ObjectRectEventTimer(int index);
  Rect ObjectRectPushButton(int index);
  Rect ObjectRectButtonArray(int index);
  Rect ObjectRectRockerSwitch(int index);
  Rect ObjectRectSliderControl(int index);
  Rect ObjectRectPIController(int index);

  // The keypad opens centred on its window and is pushed back inside
  // clientrect with a 5-pixel margin; on a client area too small for it the
  // right and bottom margins win.
  Rect ObjectRectInputWindowKeypad(int index, const Rect& clientrect) const;
  Rect ObjectRectInputWindowEditButton(int index) const;
  Rect ObjectRectEventCounterUpButton(int index) const;
  Rect ObjectRectEventCounterResetButton(int index) const;
  Rect ObjectRectEventCounterDownButton(int index) const;
  Rect ObjectRectEventTimerStartButton(int index) const;
  Rect ObjectRectEventTimerResetButton(int index) const;
  Rect ObjectRectEventTimerHaltButton(int index) const;
  Rect ObjectRectRockerSwitchUpper(int index) const;
  Rect ObjectRectRockerSwitchLower(int index) const;

private:
  CKorvixDoc& m_doc;
  const ViewState& m_view;
  ObjectRunStates& m_states;
};

}  // namespace korvix
