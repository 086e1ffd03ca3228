#pragma once

#include "render/drawing_context.h"
#include "render/rect.h"

namespace korvix {

// A Chart Recorder is framed with its ID Label until it has a drawing of its
// own; its rectangle comes from the Chart Recorder's own geometry.
void PlaceholderChartRecorder(DrawingContext& context, int index, const Rect& rect);

}  // namespace korvix
