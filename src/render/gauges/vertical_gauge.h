#pragma once

#include "render/drawing_context.h"

namespace korvix {

// A bar that rises from the Bottom Value with its scale beside it. A value
// change repaints the bar and the value only.
void DrawVerticalGauge(DrawingContext& context, int index);

}  // namespace korvix
