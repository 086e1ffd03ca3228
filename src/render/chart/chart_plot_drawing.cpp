#include "render/chart/chart_plot_drawing.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>
#include <string>
#include <utility>

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

constexpr char kDrawDataMessage[] = "Error in CR_DrawData routine.";
constexpr char kPrintDataMessage[] = "Error in PrintChartRec routine.";

// Damaged books are told as the fault of the routine that walked them.
std::string FaultMessage(ChartWalk walk, bool printed) {
  switch (walk) {
    case ChartWalk::Drawn: return {};
    case ChartWalk::SeekFault: return kSeekRevMessage;
    case ChartWalk::Damaged: return printed ? kPrintDataMessage : kDrawDataMessage;
  }
  return {};
}

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

// The lines of both cursors at the positions their texts give. Paper gets
// solid lines, where the screen's dotted ones would hardly show.
void DrawCursorLines(DeviceContext& dc, const ChartRecorderRecord& r, const Rect& a, Colour colour, bool solid) {
  const int W = Width(a), H = Height(a);
  const double ph = (W - 1) / (Divisions(r.hdivisions) * 100.0);
  const double pv = (H - 1) / (Divisions(r.vdivisions) * 100.0);
  for (const std::string* cursor : {&r.cursor1, &r.cursor2}) {
    const double c = HundredthsOf(*cursor);
    if (r.cursortime != 0) {
      const int x = a.left + static_cast<int>(c * ph);
      if (solid) {
        SelectedPen pen(dc, SolidPen(1, colour));
        Line(dc, x, a.top, x, a.bottom);
      } else {
        for (int k = 0; k < H / 3; ++k) dc.SetPixel({x, a.top + 3 * k}, colour);
      }
    } else if (r.cursorunits != 0) {
      const int y = a.bottom - static_cast<int>(c * pv) - 1;
      if (solid) {
        SelectedPen pen(dc, SolidPen(1, colour));
        Line(dc, a.left, y, a.right, y);
      } else {
        for (int k = 0; k < W / 3; ++k) dc.SetPixel({a.left + 3 * k, y}, colour);
      }
    }
  }
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

// Each run from its point `from` on.
void DrawRuns(DeviceContext& dc, const ChartRecorderRecord& r, const ChartTraceRuns& runs, int width,
              const Colour* colour, std::size_t from = 0) {
  for (int f = 0; f < kMaxChartRecorderFields; ++f) {
    const auto& run = runs[static_cast<std::size_t>(f)];
    if (run.size() < from + 2) continue;
    SelectedPen pen(dc, SolidPen(width, colour != nullptr ? *colour : static_cast<Colour>(r.fields[f].colour)));
    dc.Polyline(std::span<const Point>(run).subspan(from));
  }
}

void Report(MessageSink* messages, ChartTraceLayer* layer, const std::string& fault) {
  if (layer != nullptr) {
    if (layer->fault == fault) return;
    layer->fault = fault;
  }
  if (messages != nullptr && !fault.empty()) messages->Show(kMemoryAccessErrorCaption, fault, MessageIcon::Exclamation);
}

ChartTraceLook LookOf(const ChartRecorderRecord& r, const ViewState& view) {
  return {view.m_fontfactor, r.sizecode, r.hdivisions, r.vdivisions, r.cursornone, r.cursortime, r.cursorunits};
}

// Everything a layer's traces were drawn under besides their look: new
// samples under the same only add to them.
std::string SceneOf(const ChartRecorderRecord& r, const Rect& plot) {
  std::string scene = r.windowdate + '|' + r.windowtime + '|' + r.timediv + '|' + r.cursor1 + '|' + r.cursor2 + '|' +
                      r.delta + '|' + std::to_string(plot.left) + ',' + std::to_string(plot.top) + '|';
  for (int f = 0; f < r.fields.Count(); ++f) {
    const ChartRecorderField& field = r.fields[f];
    scene += field.unitdiv + '|' + field.position + '|' + std::to_string(static_cast<Colour>(field.colour)) + '|';
  }
  return scene;
}

// Samples added under an unchanged scene change the traces only from the
// last column they reached before: the walk takes up there, and only the
// columns from it to the new last one are painted again, every layer of
// the area in its order, clipped to them. False, with nothing drawn, when
// the walk cannot take up.
bool PaintAddedColumns(DrawingContext& context, int index, const Rect& a, const ChartMemory& memory,
                       ChartTraces& traces, ChartTraceLayer& layer, const ChartScheme& scheme, int cw, int ch) {
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  ChartRecorderRunState& state = context.states.ChartRecorders()[index];
  const ChartWalkMark before = layer.drawnmark;
  std::swap(traces.runs, layer.drawntraces);
  traces.mark = before;
  const bool resumed = ResumeChartTraces(memory, state, r, a, traces);
  std::swap(traces.runs, layer.drawntraces);
  if (!resumed) return false;
  layer.drawnmark = traces.mark;
  const int from = a.left + static_cast<int>(before.column);
  const int to = a.left + static_cast<int>(traces.mark.column) + 1;
  const Rect strip{std::max(from, a.left), a.top, std::min(to, a.right), a.bottom};
  if (IsEmpty(strip)) return true;
  DeviceContext& dc = context.dc;
  SavedState saved(dc);
  ClipInside(dc, strip);
  dc.FillRect(strip, scheme.plot);
  // The line into the first painted column starts at the column before it.
  DrawRuns(dc, r, layer.drawntraces, scheme.tracewidth, scheme.trace ? &*scheme.trace : nullptr,
           static_cast<std::size_t>(std::max(before.count - 1, 0)));
  DrawGrid(dc, r, a, cw, scheme);
  DrawCentreMarker(dc, a, ch, scheme);
  DrawCursorLines(dc, r, a, scheme.cursor, scheme.printed);
  if (r.cursornone == 0) DrawReadouts(context, r, state, a, cw, ch, scheme);
  return true;
}

// Paints the trace area on dc: in full, or as an update of what layer says
// was drawn there last. Samples added under the same scene are drawn into
// their columns alone; any other change paints the area afresh, which
// costs less than overdrawing every old trace and leaves the same pixels.
void PaintTraceArea(DrawingContext& context, int index, const Rect& plot, const ChartMemory* memory,
                    ChartTraces& traces, ChartTraceLayer* layer, bool update, MessageSink* messages,
                    const ChartScheme& scheme) {
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  ChartRecorderRunState& state = context.states.ChartRecorders()[index];
  DeviceContext& dc = context.dc;
  const int Z = context.view.m_fontfactor;
  const Size cell = FontCellSize(r.sizecode);
  const int cw = cell.cx * Z;
  const int ch = cell.cy * Z;
  const bool thick = DoubleEdges(context.view);
  const Rect a = Inflated(plot, -scheme.PlotFrameDepth(thick), -scheme.PlotFrameDepth(thick));
  const std::string scene = layer != nullptr ? SceneOf(r, plot) : std::string();
  if (update && memory != nullptr && layer->drawnscene == scene &&
      PaintAddedColumns(context, index, a, *memory, traces, *layer, scheme, cw, ch))
    return;
  {
    SelectedPen pen(dc, SolidPen(1, scheme.plot));
    const ChartEdges& edges = scheme.PlotEdges(thick);
    DrawEdgedFace(dc, plot, scheme.plot, edges.topleft, edges.bottomright);
  }
  if (IsEmpty(a)) return;

  SavedState saved(dc);
  ClipInside(dc, a);
  ChartWalk walk = ChartWalk::Drawn;
  if (memory != nullptr) {
    walk = BuildChartTraces(*memory, state, r, a, traces, scheme.printed);
  } else {
    for (auto& run : traces.runs) run.clear();
    traces.count = 0;
    traces.mark = ChartWalkMark();
  }
  DrawRuns(dc, r, traces.runs, scheme.tracewidth, scheme.trace ? &*scheme.trace : nullptr);
  if (layer != nullptr) {
    std::swap(layer->drawntraces, traces.runs);
    layer->drawnmark = traces.mark;
    layer->drawnscene = scene;
  }
  Report(messages, layer, FaultMessage(walk, scheme.printed));
  DrawGrid(dc, r, a, cw, scheme);
  DrawCentreMarker(dc, a, ch, scheme);
  DrawCursorLines(dc, r, a, scheme.cursor, scheme.printed);
  state.prevcursor1 = r.cursor1;
  state.prevcursor2 = r.cursor2;
  if (r.cursornone == 0) DrawReadouts(context, r, state, a, cw, ch, scheme);
}

}  // namespace

void CR_DrawData(DrawingContext& context, int index, const Rect& plot, const ChartMemory* memory, ChartTraces& traces,
                 MessageSink* messages, const ChartScheme& scheme) {
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  ChartRecorderRunState& state = context.states.ChartRecorders()[index];
  // Paper keeps no image: a print draws every trace afresh and leaves the
  // screen's kept image as it was.
  if (scheme.printed) {
    PaintTraceArea(context, index, plot, memory, traces, nullptr, false, messages, scheme);
    state.redrawtraces = 0;
    return;
  }
  ChartTraceLayer& layer = state.traces;
  const ChartTraceLook look = LookOf(r, context.view);
  const bool update = state.redrawtraces != 0 && layer.look == look;
  const bool kept = context.dc.DrawOnLayer(layer.pixels, plot, [&](DeviceContext& dc, bool fresh) {
    DrawingContext own{dc, context.doc, context.view, context.geometry, context.states};
    PaintTraceArea(own, index, plot, memory, traces, &layer, update && !fresh, messages, scheme);
  });
  if (kept) {
    layer.look = look;
  } else {
    PaintTraceArea(context, index, plot, memory, traces, nullptr, false, messages, scheme);
  }
  state.redrawtraces = 0;
}

}  // namespace korvix
