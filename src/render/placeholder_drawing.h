#pragma once

#include "render/drawing_context.h"
#include "render/rect.h"
#include "render/region.h"

namespace korvix {

// Stand-ins for the kinds whose own drawings are still to come, so that a
// page is complete: a plain frame with the object's ID Label, or its title
// where the kind has no label.
void PlaceholderLevelGauge(DrawingContext& context, int index);
void PlaceholderDialGauge(DrawingContext& context, int index);
void PlaceholderMeterGauge(DrawingContext& context, int index);
void PlaceholderVerticalGauge(DrawingContext& context, int index);
void PlaceholderHorizontalGauge(DrawingContext& context, int index);
void PlaceholderDualHandGauge(DrawingContext& context, int index);
void PlaceholderWindVane(DrawingContext& context, int index);
// Leaves the area it covers in invalidrgn, which the page then cuts out.
void PlaceholderPivotTracker(DrawingContext& context, int index, Region& invalidrgn);
void PlaceholderSignalLamp(DrawingContext& context, int index);
void PlaceholderEventCounter(DrawingContext& context, int index);
void PlaceholderEventTimer(DrawingContext& context, int index);
void PlaceholderPushButton(DrawingContext& context, int index);
void PlaceholderButtonArray(DrawingContext& context, int index);
void PlaceholderRockerSwitch(DrawingContext& context, int index);
void PlaceholderSliderControl(DrawingContext& context, int index);
void PlaceholderPIController(DrawingContext& context, int index);
// Its rectangle comes from the Chart Recorder's own geometry.
void PlaceholderChartRecorder(DrawingContext& context, int index, const Rect& rect);
// The open keypad of Input Window index, at keypad.
void PlaceholderKeypad(DrawingContext& context, int index, const Rect& keypad);

}  // namespace korvix
