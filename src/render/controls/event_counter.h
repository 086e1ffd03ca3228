#pragma once

#include "render/drawing_context.h"

namespace korvix {

enum class CounterButton { Up = 0, Reset = 1, Down = 2 };

// Title, count and, with manual buttons, the up, reset and down buttons in
// their part rectangles.
void DrawEventCounter(DrawingContext& context, int index);
// The same with one button held down by the operator.
void DrawEventCounter(DrawingContext& context, int index, CounterButton pressed);

}  // namespace korvix
