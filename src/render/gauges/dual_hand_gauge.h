#pragma once

#include "render/drawing_context.h"

namespace korvix {

// Two hands on one round ten-digit face, the short hand turning ten times
// slower than the long one. A value change repaints the hands and the value
// only.
void DrawDualHandGauge(DrawingContext& context, int index);

}  // namespace korvix
