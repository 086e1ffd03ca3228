#pragma once

#include <string>
#include <string_view>

#include "document/chart_recorder_record.h"
#include "render/rect.h"

namespace korvix {

// How far one held step of a Chart Recorder button moves things, measured on
// its trace area `plot`: about a five-hundredth of what the area shows, so a
// held button crosses the area in a few seconds whatever its scale. Degenerate
// areas and divisions count as one pixel or one division.

// Milliseconds the shown window moves per step; at least 10.
int ChartPlotTimeSpan(const ChartRecorderRecord& r, const Rect& plot);
// Hundredths of a division a cursor moves per step; at least 1.
int ChartPlotValueSpan(const ChartRecorderRecord& r, const Rect& plot);
// Hundredths of a division a Position moves per step; at least 1.
int ChartPlotHeightSpan(const ChartRecorderRecord& r, const Rect& plot);

// Time/Div as tenths of a second: "5.0" is 50. Anything below 0.1 or no
// number at all counts as 0.1, so a damaged text still gives a usable scale.
int TimeDivTenths(std::string_view timediv);

// The cursors of a mode just chosen: 35 % and 65 % of the way along
// `divisions`, in hundredths of a division, with their distance.
void PlaceChartCursors(ChartRecorderRecord& r, int divisions);

// Steps a per-division text through three significant digits per decade
// (9.98, 9.99, 10.0, 10.1 up; 1000, 999 down), keeping at most two
// decimals. `holdspeed` grows by one per step; from 100 on, a step from a
// round value makes ten at once. A text at the ends of the range (scaled
// digits 1 going down, 100000 going up) comes back unchanged.
std::string StepDivisionValue(std::string_view text, int direction, double& holdspeed);

}  // namespace korvix
