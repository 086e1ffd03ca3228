#pragma once

#include "render/drawing_context.h"

namespace korvix {

// A bar that grows from the Left Value to the right with its scale below it.
// A value change repaints the bar and the value only.
void DrawHorizontalGauge(DrawingContext& context, int index);

}  // namespace korvix
