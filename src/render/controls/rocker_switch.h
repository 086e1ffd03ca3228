#pragma once

#include "render/drawing_context.h"

namespace korvix {

enum class RockerHalf { Upper, Lower };

// Title, the two halves at rest and, unless the switch uses no value, its
// value (its position) in a window where the halves meet.
void DrawRockerSwitch(DrawingContext& context, int index);
// The same with one half held down, tilting the rocker that way.
void DrawRockerSwitch(DrawingContext& context, int index, RockerHalf held);

}  // namespace korvix
