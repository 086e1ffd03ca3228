#pragma once

#include "document/korvix_doc.h"
#include "render/chart_recorder_geometry.h"
#include "render/object_geometry.h"
#include "render/screen_objects.h"
#include "render/view_state.h"

namespace korvix {

// Every kind's whole-object rectangle through one entry.
class ObjectRects {
public:
  ObjectRects(CKorvixDoc& doc, const ViewState& view, ObjectRunStates& states)
      : m_geometry(doc, view, states), m_chart(doc, view, states) {}

  Rect Of(ScreenObjectKind kind, int index) { return ObjectRectOf(m_geometry, m_chart, {kind, index}); }

private:
  ObjectGeometry m_geometry;
  ChartRecorderGeometry m_chart;
};

}  // namespace korvix
