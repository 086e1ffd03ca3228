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
  // The traces as last drawn on the pixels, one run per data field slot;
  // the next update overdraws exactly them in the background colour.
  std::array<std::vector<Point>, kMaxChartRecorderFields> drawntraces;
  // The cursor texts as last drawn on the pixels; a print of the recorder
  // in between draws elsewhere and must not move them.
  std::string cursor1;
  std::string cursor2;
  // The paint-time message last shown: a damaged memory is reported once,
  // not at every paint that follows.
  std::string fault;
};

}  // namespace korvix
