#pragma once

#include "render/drawing_context.h"

namespace korvix {

// Title, track, scale (tick marks on the left, values on the right) and the
// knob at the slider's value. A value that is no number is written on the
// knob, which then rests at the bottom end.
void DrawSliderControl(DrawingContext& context, int index);

}  // namespace korvix
