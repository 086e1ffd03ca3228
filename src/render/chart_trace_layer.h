#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "document/capacities.h"
#include "render/offscreen_picture.h"
#include "render/rect.h"

namespace korvix {

// Everything a Chart Recorder's trace area shows besides its samples and
// cursor positions. Kept pixels drawn with another look are drawn afresh.
struct ChartTraceLook {
  int fontfactor = 0;
  int sizecode = 0;
  int hdivisions = 0;
  int vdivisions = 0;
  int cursornone = 0;
  int cursortime = 0;
  int cursorunits = 0;

  bool operator==(const ChartTraceLook&) const = default;
};

// Where a walk over a recorder's samples began the last column it built,
// and what the memory held then, so that a later walk over the same window
// can take up from there when samples were only added.
struct ChartWalkMark {
  bool valid = false;      // a column was built
  bool settled = false;    // a sample right of the left edge was read, so
                           // new samples cannot move the first column
  std::size_t start = 0;   // the record the walk started from
  std::size_t record = 0;  // the last column's first record
  double column = 0;       // its column, counted from the left edge
  double columntime = 0;   // its time from the window time
  int columns = 0;         // columns built before it
  int count = 0;           // points in each run before it
  std::size_t write = 0;   // the write position the walk stopped at
  bool wrapped = false;
  std::size_t length = 0;
  std::size_t replacements = 0;
};

// A Chart Recorder's trace area as the screen last showed it, so that the
// next paint changes only the traces and cursors that moved: a paint goes
// into a fresh image, and the area would flicker and cost a full drawing
// every time without it.
struct ChartTraceLayer {
  ChartTraceLayer() = default;
  // A copy starts empty: the kept pixels belong to the screen that drew
  // them, and a copy (a print's) draws elsewhere.
  ChartTraceLayer(const ChartTraceLayer&) {}
  ChartTraceLayer& operator=(const ChartTraceLayer& other) {
    if (this != &other) *this = ChartTraceLayer();
    return *this;
  }
  ChartTraceLayer(ChartTraceLayer&&) = default;
  ChartTraceLayer& operator=(ChartTraceLayer&&) = default;

  // Null until the first paint, and for a device that keeps no pixels.
  std::unique_ptr<OffscreenPicture> pixels;
  ChartTraceLook look;
  // The traces as last drawn on the pixels, one run per data field slot.
  std::array<std::vector<Point>, kMaxChartRecorderFields> drawntraces;
  // Where the walk that built them ended, and the window, scales and
  // readouts they were drawn for; the runs alone take new samples under
  // the same ones.
  ChartWalkMark drawnmark;
  std::string drawnscene;
  // The paint-time message last shown: a damaged memory is reported once,
  // not at every paint that follows.
  std::string fault;
};

}  // namespace korvix
