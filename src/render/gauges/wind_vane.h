#pragma once

#include "render/drawing_context.h"

namespace korvix {

// A compass face with an arrow pointing the way the value gives. A value
// change repaints the arrow and the value only.
void DrawWindVane(DrawingContext& context, int index);

}  // namespace korvix
