#pragma once

#include "platform/message_sink.h"
#include "recording/chart_memory.h"
#include "render/chart/chart_scheme.h"
#include "render/chart/chart_traces.h"
#include "render/drawing_context.h"

namespace korvix {

// Paints a Chart Recorder's trace area `plot`: the dark face with its
// sunken frame, the traces of its samples (none without a memory), the
// dotted grid, the centre marker at the window time, the cursor lines and
// their readouts. `traces` is working storage shared by every recorder.
// On a device that keeps layers the area lives on between paints in the
// recorder's run-time state, and with `redrawtraces` set only what changed
// is drawn again; elsewhere it is painted in full. A memory whose books do
// not fit is reported to `messages` (none: to nobody) once, not at every
// paint. A printed `scheme` keeps no image and walks the samples without
// moving `readmark`.
void CR_DrawData(DrawingContext& context, int index, const Rect& plot, const ChartMemory* memory, ChartTraces& traces,
                 MessageSink* messages = nullptr, const ChartScheme& scheme = kScreenChartScheme);

}  // namespace korvix
