#pragma once

#include "render/drawing_context.h"
#include "render/gauges/pivot_tracker_state.h"
#include "render/region.h"

namespace korvix {

// The tracker's circle with its heading marks, the arm at its heading and
// the run, water and sis lamps in three corners outside the circle. What it
// covers, circle and lamps, is left in `invalidrgn` for the page to cut
// out. When the heading or a lamp differs from what was last drawn, only
// the arm, the heading text and the changed lamps are repainted.
void DrawPivotTracker(DrawingContext& context, int index, PivotTrackerStates& states, Region& invalidrgn);

}  // namespace korvix
