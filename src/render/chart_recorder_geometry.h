#pragma once

#include "document/korvix_doc.h"
#include "render/object_run_states.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// Where the parts of a Chart Recorder lie: the trace area, the legend column
// right of it with two pairs of arrow squares per data field, and the strip
// of buttons below it. Drawing, printing and run-mode mouse handling all take
// their rectangles from here. Everything is measured in character cells of
// the recorder's size code at the current Font Size; fractional cell
// multiples are truncated toward zero.
//
// ObjectRectChartRecorder clamps x and y to 0 or more and, unless a drag is
// in progress, keeps the result as the object's screenrect in the view's
// run-time states; the part rectangles recompute the object's rectangle and
// leave the record alone.
class ChartRecorderGeometry {
public:
  ChartRecorderGeometry(CKorvixDoc& doc, const ViewState& view, ObjectRunStates& states)
      : m_doc(doc), m_view(view), m_states(states) {}

  Rect ObjectRectChartRecorder(int index);
  Rect ChartPlotRect(int index) const;

  // `field` is the data field's index; its row in the legend is its order.
  Rect ChartFieldUpperUpRect(int index, int field) const;
  Rect ChartFieldUpperDownRect(int index, int field) const;
  Rect ChartFieldLowerUpRect(int index, int field) const;
  Rect ChartFieldLowerDownRect(int index, int field) const;

  Rect ChartToStartButtonRect(int index) const;
  Rect ChartStepBackButtonRect(int index) const;
  Rect ChartStepForwardButtonRect(int index) const;
  Rect ChartToEndButtonRect(int index) const;
  Rect ChartCursorModeRect(int index) const;
  Rect ChartCursorModeButton1Rect(int index) const;
  Rect ChartCursorModeButton2Rect(int index) const;
  Rect ChartCursor1Rect(int index) const;
  Rect ChartCursor1ButtonRect(int index) const;
  Rect ChartCursor2Rect(int index) const;
  Rect ChartCursor2ButtonRect(int index) const;
  Rect ChartTimeDivRect(int index) const;
  Rect ChartTimeDivButtonRect(int index) const;
  Rect ChartPrintButtonRect(int index) const;

private:
  struct Layout;
  Layout LayoutOf(int index) const;

  CKorvixDoc& m_doc;
  const ViewState& m_view;
  ObjectRunStates& m_states;
};

}  // namespace korvix
