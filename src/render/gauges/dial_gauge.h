#pragma once

#include "render/drawing_context.h"

namespace korvix {

// A round scale with marks, numbers, the warning zone and a needle. When the
// record's value text differs from the one last drawn (`uneditedtext`), only
// the old and new needle and the value text are repainted.
void DrawDialGauge(DrawingContext& context, int index);

}  // namespace korvix
