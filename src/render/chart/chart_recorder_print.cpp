#include "render/chart/chart_recorder_print.h"

#include <algorithm>

#include "render/chart/chart_recorder_drawing.h"
#include "render/chart/chart_scheme.h"
#include "render/chart_recorder_geometry.h"
#include "render/drawing_context.h"
#include "render/object_geometry.h"
#include "render/selection.h"

namespace korvix {

ChartRecorderPrint::ChartRecorderPrint(CKorvixDoc& doc, const ViewState& view, const ObjectRunStates& states, int index,
                                       const ChartMemory* memory, MessageSink& messages)
    : m_doc(doc), m_view(view), m_states(states), m_index(index), m_memory(memory), m_messages(messages) {}

bool ChartRecorderPrint::BeginPrinting(const PrintPageMetrics& page) {
  ObjectRunStates states = m_states;
  ChartRecorderGeometry geometry(m_doc, m_view, states);
  const Rect obj = geometry.ObjectRectChartRecorder(m_index);
  // An object wider or taller than the page still prints, cut at its edge,
  // rather than shrinking to nothing.
  const int wo = std::max(Width(obj), 1);
  const int ho = std::max(Height(obj), 1);
  m_scale = std::max(std::min(page.width / wo, page.height / ho), 1);
  const int w = wo * m_scale;
  const int h = ho * m_scale;
  const int left = page.width / 2 - w / 2;
  const int top = page.height / 2 - h / 2;
  m_printed = {left, top, left + w, top + h};
  return true;
}

void ChartRecorderPrint::PrintPage(DeviceContext& dc, int) {
  ObjectRunStates states = m_states;
  // The page is the screen zoomed k times: a Font Size factor k times the
  // view's gives every cell and font its printed size.
  ViewState view = m_view;
  view.m_fontfactor = m_view.m_fontfactor * m_scale;
  view.m_scrollx = 0;
  view.m_scrolly = 0;
  ObjectGeometry objects(m_doc, view, states);
  ChartRecorderGeometry geometry(m_doc, view, states);
  DrawingContext context{dc, m_doc, view, objects, states};
  ChartTraces traces;
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  DrawChartRecorder(context, geometry, m_index, m_printed, m_memory, traces, &m_messages, nullptr, kPrintedChartScheme);
}

}  // namespace korvix
