#pragma once

#include "platform/message_sink.h"
#include "recording/chart_memory.h"
#include "render/chart/chart_scheme.h"
#include "render/chart/chart_traces.h"
#include "render/chart_recorder_geometry.h"
#include "render/drawing_context.h"
#include "render/view_window.h"

namespace korvix {

// Paints Chart Recorder `index`, whose object rectangle is `obj`: its face, the band with the shown date,
// time and Time/Div, a legend card per data field, the strip of buttons with
// their pressed looks, and the trace area from `memory` (none: no traces),
// which reports a damaged memory to `messages`.
// Each button, value box and card is cut out of the clip region once drawn,
// so the face fill never covers it; an invalid area that lies wholly inside
// the time readout repaints only the face and band there. A Time/Div
// readout whose width changed has its old place, grown by an "X" on
// either side, invalidated on `window` (none: nothing is). A printed
// `scheme` lays the recorder out for paper at `obj` instead.
void DrawChartRecorder(DrawingContext& context, ChartRecorderGeometry& geometry, int index, const Rect& obj,
                       const ChartMemory* memory, ChartTraces& traces, MessageSink* messages = nullptr,
                       ViewWindow* window = nullptr, const ChartScheme& scheme = kScreenChartScheme);

}  // namespace korvix
