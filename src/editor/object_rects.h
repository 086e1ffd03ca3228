#pragma once

#include "document/korvix_doc.h"
#include "editor/object_kinds.h"
#include "render/chart_recorder_geometry.h"
#include "render/object_geometry.h"
#include "render/view_state.h"

namespace korvix {

// Every kind's whole-object rectangle through one entry.
class ObjectRects {
public:
  ObjectRects(CKorvixDoc& doc, const ViewState& view, ObjectRunStates& states)
      : m_geometry(doc, view, states), m_chart(doc, view, states) {}

  template <ScreenObjectKind K>
  Rect Of(int index) {
    if constexpr (K == ScreenObjectKind::ChartRecorder)
      return m_chart.ObjectRectChartRecorder(index);
    else
      return (m_geometry.*KindTraits<K>::kRect)(index);
  }

  Rect Of(ScreenObjectKind kind, int index);

private:
  ObjectGeometry m_geometry;
  ChartRecorderGeometry m_chart;
};

}  // namespace korvix
