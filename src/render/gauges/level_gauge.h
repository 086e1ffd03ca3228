#pragma once

#include "render/drawing_context.h"

namespace korvix {

// A tank filled to the value between the Bottom and Top Values, with its
// title, value text, scale and the lowest and highest values seen
// (`minseen`, `maxseen`, in the units of its scale at the Offset's
// resolution).
void DrawLevelGauge(DrawingContext& context, int index);

}  // namespace korvix
