#pragma once

#include "recording/chart_memory.h"
#include "render/chart/chart_scheme.h"
#include "render/chart/chart_traces.h"
#include "render/drawing_context.h"

namespace korvix {

// Paints a Chart Recorder's trace area `plot` in full: the dark face with
// its sunken frame, the traces of its samples (none without a memory), the
// dotted grid, the centre marker at the window time, the cursor lines and
// their readouts. `traces` is working storage shared by every recorder. A
// printed `scheme` walks the samples without moving `readmark`.
void CR_DrawData(DrawingContext& context, int index, const Rect& plot, const ChartMemory* memory, ChartTraces& traces,
                 const ChartScheme& scheme = kScreenChartScheme);

}  // namespace korvix
