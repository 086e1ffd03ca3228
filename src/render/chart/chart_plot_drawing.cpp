#include "render/chart/chart_plot_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "render/chart/chart_texts.h"
#include "render/clip_inside.h"
#include "render/edge_lines.h"
#include "render/font_cell.h"
#include "render/selection.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr char kCursor1Caption[] = "Cursor 1  ";
constexpr char kDeltaCaption[] = "Delta  ";
constexpr char kCursor2Caption[] = "Cursor 2  ";

// A grid of more divisions than this draws as this many, so that a damaged
// file cannot make a paint loop for ever.
constexpr int kMaxDrawnDivisions = 100;

int Divisions(int value) { return std::clamp(value, 1, kMaxDrawnDivisions); }

void Line(DeviceContext& dc, int x1, int y1, int x2, int y2) {
  dc.MoveTo({x1, y1});
  dc.LineTo({x2, y2});
}

// On paper a division line gets a short stroke at every fifth, where the
// screen sets a single dot that a printer would hardly show.
void DrawGrid(DeviceContext& dc, const ChartRecorderRecord& r, const Rect& a, int cw, const ChartScheme& scheme) {
  SelectedPen pen(dc, SolidPen(1, scheme.grid));
  const int L = a.left, T = a.top, R = a.right, B = a.bottom;
  const int W = R - L, H = B - T;
  const int vfifths = Divisions(r.vdivisions) * 5;
  const int hfifths = Divisions(r.hdivisions) * 5;
  const int midx = (L + R) / 2;
  const int midy = (T + B) / 2;
  for (int k = 1; k < vfifths; ++k) {
    const int y = B - k * (H - 1) / vfifths - 1;
    Line(dc, L, y, L + cw / 4, y);
    Line(dc, R - cw / 4 - 1, y, R, y);
    Line(dc, midx - cw / 8 - 1, y, midx + cw / 8, y);
  }
  for (int k = 1; k < hfifths; ++k) {
    const int x = L + k * (W - 1) / hfifths;
    Line(dc, x, T, x, T + cw / 4);
    Line(dc, x, B - 1, x, B - cw / 4 - 1);
    Line(dc, x, midy - cw / 8, x, midy + cw / 8 + 1);
  }
  const int stroke = std::max(cw / 16, 1);
  for (int row = 1; row < vfifths / 5; ++row) {
    const int y = B - row * (H - 1) / (vfifths / 5) - 1;
    for (int k = 0; k <= hfifths; ++k) {
      const int x = L + k * (W - 1) / hfifths;
      if (scheme.printed)
        Line(dc, x, y - stroke, x, y + stroke + 1);
      else
        dc.SetPixel({x, y}, scheme.grid);
    }
  }
  for (int col = 1; col < hfifths / 5; ++col) {
    const int x = L + col * (W - 1) / (hfifths / 5);
    for (int k = 0; k <= vfifths; ++k) {
      const int y = B - k * (H - 1) / vfifths - 1;
      if (scheme.printed)
        Line(dc, x - stroke, y, x + stroke + 1, y);
      else
        dc.SetPixel({x, y}, scheme.grid);
    }
  }
}

// A small triangle hanging from the top edge at the middle column.
void DrawCentreMarker(DeviceContext& dc, const Rect& a, int ch, const ChartScheme& scheme) {
  const int rows = ch / 5 + 1;
  const int mid = (a.left + a.right) / 2;
  for (int j = 0; j < rows; ++j) {
    const int half = rows - 1 - j;
    const int y = a.top + j;
    {
      SelectedPen pen(dc, SolidPen(1, scheme.marker));
      Line(dc, mid - half, y, mid + half + 1, y);
    }
    dc.SetPixel({mid - half, y}, scheme.markerleft);
    dc.SetPixel({mid + half, y}, scheme.markerright);
    if (half == 0) dc.SetPixel({mid, y}, scheme.markertip);
  }
  for (int j = 0; j < std::min(rows, 2); ++j) {
    const int half = rows - 1 - j;
    if (half < 2) break;
    SelectedPen pen(dc, SolidPen(1, scheme.markerhighlights[static_cast<std::size_t>(j)]));
    Line(dc, mid - half + 1, a.top + j, mid + half, a.top + j);
  }
}

void DrawCursors(DeviceContext& dc, const ChartRecorderRecord& r, ChartRecorderRunState& state, const Rect& a,
                 const ChartScheme& scheme) {
  const int W = Width(a), H = Height(a);
  const double ph = (W - 1) / (Divisions(r.hdivisions) * 100.0);
  const double pv = (H - 1) / (Divisions(r.vdivisions) * 100.0);
  for (const std::string* cursor : {&r.cursor1, &r.cursor2}) {
    const double c = HundredthsOf(*cursor);
    if (r.cursortime != 0) {
      const int x = a.left + static_cast<int>(c * ph);
      if (scheme.printed) {
        SelectedPen pen(dc, SolidPen(1, scheme.cursor));
        Line(dc, x, a.top, x, a.bottom);
      } else {
        for (int k = 0; k < H / 3; ++k) dc.SetPixel({x, a.top + 3 * k}, scheme.cursor);
      }
    } else if (r.cursorunits != 0) {
      const int y = a.bottom - static_cast<int>(c * pv) - 1;
      if (scheme.printed) {
        SelectedPen pen(dc, SolidPen(1, scheme.cursor));
        Line(dc, a.left, y, a.right, y);
      } else {
        for (int k = 0; k < W / 3; ++k) dc.SetPixel({a.left + 3 * k, y}, scheme.cursor);
      }
    }
  }
  state.prevcursor1 = r.cursor1;
  state.prevcursor2 = r.cursor2;
}

void DrawReadouts(DrawingContext& context, const ChartRecorderRecord& r, ChartRecorderRunState& state, const Rect& a,
                  int cw, int ch, const ChartScheme& scheme) {
  DeviceContext& dc = context.dc;
  SelectedFont font(dc, ChartTextFont(r, context.view));
  SelectedBackgroundMode mode(dc, scheme.readoutbackground ? BackgroundMode::Opaque : BackgroundMode::Transparent);
  SelectedBackgroundColour background(dc, scheme.readoutbackground.value_or(scheme.plot));
  const int top = a.bottom - ch / 2;
  const auto widthOf = [&](const std::string& text) { return dc.GetTextExtent(text).cx; };
  const auto put = [&](const std::string& text, int left, Colour colour) {
    const Rect rect{left, top, left + widthOf(text), a.bottom};
    SelectedTextColour textcolour(dc, colour);
    dc.DrawText(text, rect, kOneLineCentred);
    return rect;
  };
  const int c1left = a.left + cw / 2;
  const Rect c1caption = put(kCursor1Caption, c1left, scheme.readoutcaption);
  state.cursor1textrect = put(r.cursor1, c1caption.right, scheme.readoutvalue);

  const int deltawidth = widthOf(kDeltaCaption) + widthOf(r.delta);
  const Rect dcaption = put(kDeltaCaption, (a.left + a.right) / 2 - deltawidth / 2, scheme.readoutcaption);
  state.deltatextrect = put(r.delta, dcaption.right, scheme.readoutvalue);

  const int c2left = a.right - cw / 2 - widthOf(r.cursor2);
  put(kCursor2Caption, c2left - widthOf(kCursor2Caption), scheme.readoutcaption);
  state.cursor2textrect = put(r.cursor2, c2left, scheme.readoutvalue);
}

}  // namespace

void CR_DrawData(DrawingContext& context, int index, const Rect& plot, const ChartMemory* memory, ChartTraces& traces,
                 const ChartScheme& scheme) {
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  ChartRecorderRunState& state = context.states.ChartRecorders()[index];
  DeviceContext& dc = context.dc;
  const int Z = context.view.m_fontfactor;
  const Size cell = FontCellSize(r.sizecode);
  const int cw = cell.cx * Z;
  const int ch = cell.cy * Z;
  const bool thick = DoubleEdges(context.view);
  const int pw = scheme.PlotFrameDepth(thick);
  {
    SelectedPen pen(dc, SolidPen(1, scheme.plot));
    const ChartEdges& edges = scheme.PlotEdges(thick);
    DrawEdgedFace(dc, plot, scheme.plot, edges.topleft, edges.bottomright);
  }
  const Rect a = Inflated(plot, -pw, -pw);
  if (IsEmpty(a)) {
    state.redrawtraces = 0;
    return;
  }

  SavedState saved(dc);
  ClipInside(dc, a);
  if (memory != nullptr && BuildChartTraces(*memory, state, r, a, traces, scheme.printed) == ChartWalk::Drawn) {
    for (int f = 0; f < r.fields.Count(); ++f) {
      const auto& run = traces.runs[static_cast<std::size_t>(f)];
      if (run.size() < 2) continue;
      SelectedPen pen(dc, SolidPen(scheme.tracewidth, scheme.trace.value_or(static_cast<Colour>(r.fields[f].colour))));
      dc.Polyline(run);
    }
  }
  DrawGrid(dc, r, a, cw, scheme);
  DrawCentreMarker(dc, a, ch, scheme);
  DrawCursors(dc, r, state, a, scheme);
  if (r.cursornone == 0) DrawReadouts(context, r, state, a, cw, ch, scheme);
  state.redrawtraces = 0;
}

}  // namespace korvix
