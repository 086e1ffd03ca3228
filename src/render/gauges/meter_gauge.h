#pragma once

#include "render/drawing_context.h"

namespace korvix {

// The half-round meter, twice as wide as high, on a raised frame with its
// title and value in the band below the face. A value change repaints the
// needle and the value only.
void DrawMeterGauge(DrawingContext& context, int index);

}  // namespace korvix
