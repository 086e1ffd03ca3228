#pragma once

#include "render/drawing_context.h"

namespace korvix {

// The button up, with its caption.
void DrawPushButton(DrawingContext& context, int index);
// Up or pressed: held by the operator, or kept down while its action runs.
void DrawPushButton(DrawingContext& context, int index, bool pressed);

}  // namespace korvix
