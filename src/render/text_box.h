#pragma once

#include "render/drawing_context.h"

namespace korvix {

// A framed, filled box of fixed text, left, centred, right or justified.
void DrawTextBox(DrawingContext& context, int index);

}  // namespace korvix
