#pragma once

#include <array>
#include <optional>
#include <span>

#include "render/colour.h"
#include "render/rect.h"

namespace korvix {

// The lines that frame a face, from the outside in (see DrawEdgedFace).
struct ChartEdges {
  std::span<const Colour> topleft;
  std::span<const Colour> bottomright;
};

// How a Chart Recorder looks: in colour on the screen, or in greys on
// paper, where dark areas waste ink, thin coloured traces vanish and the
// buttons and arrows cannot be pressed.
struct ChartScheme {
  // The paper's layout: its own trace area, no strip, arrows or group
  // captions, whole grid strokes and solid cursor lines.
  bool printed = false;

  Colour face = 0;
  ChartEdges faceedges;       // Font Size X 1
  ChartEdges faceedgesthick;  // Font Size X 2 and 3
  Colour bandtext = 0;

  Colour card = 0;
  Colour cardoutline = 0;
  std::optional<Colour> cardtitle;  // none: in the field's colour
  Colour valuebox = 0;
  std::optional<ChartEdges> valueboxedges;  // none: the page's sunken bevel
  Colour valuetext = 0;

  Colour plot = 0;
  ChartEdges plotedges;
  ChartEdges plotedgesthick;
  std::optional<Colour> trace;  // none: in the field's colour
  int tracewidth = 1;
  Colour grid = 0;
  Colour cursor = 0;
  Colour readoutcaption = 0;
  Colour readoutvalue = 0;
  std::optional<Colour> readoutbackground;  // none: transparent

  // The centre marker: its rows, left and right edge pixels, its tip, and
  // the highlights over its two top rows.
  Colour marker = 0;
  Colour markerleft = 0;
  Colour markerright = 0;
  Colour markertip = 0;
  std::array<Colour, 2> markerhighlights{};

  const ChartEdges& FaceEdges(bool thick) const { return thick ? faceedgesthick : faceedges; }
  const ChartEdges& PlotEdges(bool thick) const { return thick ? plotedgesthick : plotedges; }
  // How far inside the trace area's frame the traces begin.
  int PlotFrameDepth(bool thick) const { return static_cast<int>(PlotEdges(thick).topleft.size()); }
};

extern const ChartScheme kScreenChartScheme;
extern const ChartScheme kPrintedChartScheme;

// The trace area of a recorder printed at `obj` in cells of cw x ch: the
// legend column keeps eight cells, as the printed cards need no arrows.
Rect PrintedChartPlotRect(const Rect& obj, int cw, int ch);

}  // namespace korvix
