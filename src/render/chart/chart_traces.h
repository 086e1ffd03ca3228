#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/capacities.h"
#include "document/chart_recorder_record.h"
#include "recording/chart_memory.h"
#include "render/chart_memory_books.h"
#include "render/chart_trace_layer.h"
#include "render/rect.h"

namespace korvix {

// The polylines of a Chart Recorder's data fields over its trace area, one
// run per field with the same number of points in each: every pixel column
// that holds samples carries four points per field (its first, highest,
// lowest and last value), so dense recordings cost no more than sparse ones.
using ChartTraceRuns = std::array<std::vector<Point>, kMaxChartRecorderFields>;

struct ChartTraces {
  // Four points per column: a run never holds more than 8192 points.
  static constexpr int kMaxColumns = 2048;
  ChartTraceRuns runs;
  int count = 0;
  ChartWalkMark mark;
};

enum class ChartWalk {
  Drawn,      // the runs hold what the window shows (possibly nothing)
  Damaged,    // the books do not match the memory; the runs are empty
  SeekFault,  // the walk had to step back before the start of an unwrapped
              // memory; the runs are empty
};

// Walks the recorder's memory over the window it shows (`windowdate` and
// `windowtime` at the middle of `area`) and builds the runs. The walk
// starts at the record the books' `readmark` names and, unless `keepreadmark`, leaves
// it on the record it started from, so the next walk finds its place at
// once. The column loop jumps over gaps in the recording and stops one
// column past the right edge, so neither a gap of days nor a narrow area
// costs more than the columns shown.
ChartWalk BuildChartTraces(const ChartMemory& memory, ChartMemoryBooks& books, const ChartRecorderRecord& r,
                           const Rect& area, ChartTraces& traces, bool keepreadmark = false);

// Takes up the walk that built `traces` (its runs and mark) after samples
// were added under the same window, scales and area: the last column is
// built again and new ones after it, as a walk from the start would build
// them. False, leaving `traces` as they were, when that cannot be so: the
// memory was replaced or has lost records the walk read, or the walk's
// start could still move.
bool ResumeChartTraces(const ChartMemory& memory, const ChartMemoryBooks& books, const ChartRecorderRecord& r,
                       const Rect& area, ChartTraces& traces);

// Height in pixels above the bottom of the trace area (0 to height - 1)
// where a value text plots: value / unitdiv + position divisions. A value or
// Unit/Div that is no number plots at the position.
int ChartValueHeight(std::string_view value, double unitdiv, double positionpixels, double pixelsperhundredth,
                     int height);

}  // namespace korvix
