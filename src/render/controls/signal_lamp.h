#pragma once

#include "render/colour.h"
#include "render/drawing_context.h"

namespace korvix {

// The lens colour of a `lampcolor` (0 red, 1 yellow, 2 green, 3 blue,
// 4 white; anything else red), bright when lit and dim when not.
Colour LampColour(int lampcolor, bool lit);

// The lamp in the state its record holds; flashing is the Run-Loop's, which
// switches that state.
void DrawSignalLamp(DrawingContext& context, int index);

}  // namespace korvix
