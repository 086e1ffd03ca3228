#include "render/chart/chart_recorder_drawing.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "render/bevel.h"
#include "render/box3d.h"
#include "render/chart/chart_plot_drawing.h"
#include "render/chart/chart_texts.h"
#include "render/edge_lines.h"
#include "render/font_cell.h"
#include "render/selection.h"

namespace korvix {

namespace {

constexpr Colour kArrowColour = Rgb(51, 51, 153);
constexpr Colour kArrowLight = Rgb(204, 204, 255);
constexpr Colour kArrowShadow = Rgb(0, 0, 51);
constexpr Colour kIconFill = Rgb(51, 153, 51);
constexpr Colour kIconOutline = Rgb(51, 102, 51);
constexpr Colour kIconLight = Rgb(204, 255, 204);

constexpr char kUnitDivCaption[] = "Unit/Div";
constexpr char kPositionCaption[] = "Position";
constexpr char kSecDivSuffix[] = " Sec/Div";
constexpr char kMarginLetter[] = "X";
constexpr char kCursorModeCaption[] = "Cursor Mode";
constexpr char kCursor1Caption[] = "Cursor1";
constexpr char kCursor2Caption[] = "Cursor2";
constexpr char kTimeDivCaption[] = "Time/Div";
constexpr char kNoneLabel[] = "None";
constexpr char kTimeLabel[] = "Time";
constexpr char kUnitsLabel[] = "Units";
constexpr char kDownLabel[] = "-";
constexpr char kUpLabel[] = "+";
constexpr char kPrintLabel[] = "Print";

int Trunc(double value) { return static_cast<int>(value); }

struct Cell {
  int cw;
  int ch;
  int pw;
};

enum class Icon { ToStart, StepBack, StepForward, ToEnd };

// A triangle pointing left or right with its point at tipx, filled and
// outlined, with a lit upper edge.
void Triangle(DeviceContext& dc, int tipx, int basex, int midy, int half) {
  const std::array<Point, 3> points{Point{tipx, midy}, Point{basex, midy - half}, Point{basex, midy + half}};
  SelectedPen pen(dc, SolidPen(1, kIconOutline));
  SelectedBrush brush(dc, SolidBrush(kIconFill));
  dc.Polygon(points);
  SelectedPen light(dc, SolidPen(1, kIconLight));
  dc.MoveTo({basex, midy - half + 1});
  dc.LineTo({basex, midy + half - 1});
}

void Bar(DeviceContext& dc, int x, int midy, int half) {
  SelectedPen pen(dc, SolidPen(1, kIconOutline));
  SelectedBrush brush(dc, SolidBrush(kIconFill));
  dc.Rectangle({x, midy - half, x + std::max(half / 2, 2), midy + half + 1});
}

void DrawNavigationButton(DrawingContext& context, const Rect& rect, int pressed, Icon icon) {
  DeviceContext& dc = context.dc;
  Draw3DBox(context.view, rect, dc, pressed, kSchemeGray);
  const int shift = pressed != 0 ? 1 : 0;
  const int midx = (rect.left + rect.right) / 2 + shift;
  const int midy = (rect.top + rect.bottom) / 2 + shift;
  const int half = std::max(Height(rect) / 5, 2);
  switch (icon) {
    case Icon::ToStart:
      Bar(dc, midx - half - std::max(half / 2, 2), midy, half);
      Triangle(dc, midx - half, midx + half, midy, half);
      break;
    case Icon::StepBack: Triangle(dc, midx - half / 2 - 1, midx + half / 2 + 1, midy, half); break;
    case Icon::StepForward: Triangle(dc, midx + half / 2 + 1, midx - half / 2 - 1, midy, half); break;
    case Icon::ToEnd:
      Triangle(dc, midx + half, midx - half, midy, half);
      Bar(dc, midx + half, midy, half);
      break;
  }
  dc.ExcludeClipRect(rect);
}

void DrawLabelButton(DrawingContext& context, const Rect& rect, int pressed, const std::string& label) {
  DeviceContext& dc = context.dc;
  Draw3DBox(context.view, rect, dc, pressed, kSchemeGray);
  const int shift = pressed != 0 ? 1 : 0;
  SelectedTextColour colour(dc, Grey(0));
  dc.DrawText(label, Offset(rect, shift, shift), kOneLineCentred);
  dc.ExcludeClipRect(rect);
}

// An arrow fills its square as rows of lines, apex up or down, with a lit
// and a shaded edge.
void DrawArrow(DeviceContext& dc, const Rect& square, bool up, int pressed) {
  const Rect s = Offset(square, pressed, pressed);
  const int rows = std::max(Height(s) - 1, 1);
  const int mid = (s.left + s.right - 1) / 2;
  const int halfmax = (Width(s) - 1) / 2;
  for (int j = 0; j < rows; ++j) {
    const int half = rows > 1 ? halfmax * j / (rows - 1) : halfmax;
    const int y = up ? s.top + j : s.bottom - 1 - j;
    {
      SelectedPen pen(dc, SolidPen(1, kArrowColour));
      dc.MoveTo({mid - half, y});
      dc.LineTo({mid + half + 1, y});
    }
    dc.SetPixel({mid - half, y}, up ? kArrowLight : kArrowShadow);
    dc.SetPixel({mid + half, y}, up ? kArrowShadow : kArrowLight);
  }
}

void DrawLegendCard(DrawingContext& context, ChartRecorderGeometry& geometry, int index, int f, const Rect& obj,
                    const Rect& plot, const Cell& cell, const ChartScheme& scheme) {
  DeviceContext& dc = context.dc;
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  const ChartRecorderField& field = r.fields[f];
  ChartRecorderRunState& state = context.states.ChartRecorders()[index];
  const auto slot = static_cast<std::size_t>(f);
  const int cw = cell.cw;
  const int ch = cell.ch;
  const Rect card{plot.right + cw / 3, plot.top + Trunc(field.order * 2.1 * ch), obj.right - cw / 3 - 1,
                  plot.top + Trunc(1.85 * ch + field.order * 2.1 * ch)};
  const int line = Trunc(0.6 * ch);
  const Rect title{card.left, card.top, card.right, card.top + line};
  const Rect unitline{card.left + cw / 4, card.top + line, card.right - cw / 4 - 1, card.top + 2 * line};
  const Rect positionline{unitline.left, unitline.bottom, unitline.right, unitline.bottom + line};
  const auto valueBox = [&](const Rect& l) {
    return Rect{l.right - (3 * cw + cell.pw), l.top + ch / 8 - cell.pw, l.right, l.bottom - ch / 8 + cell.pw};
  };
  state.unitdivboxes[slot] = valueBox(unitline);
  state.positionboxes[slot] = valueBox(positionline);
  {
    SelectedFont font(dc, ChartValueFont(r, context.view));
    SelectedTextColour colour(dc, scheme.valuetext);
    SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
    for (const auto& [box, text] :
         {std::pair{state.unitdivboxes[slot], &field.unitdiv}, {state.positionboxes[slot], &field.position}}) {
      if (scheme.valueboxedges) {
        SelectedPen pen(dc, SolidPen(1, scheme.valuebox));
        DrawEdgedFace(dc, box, scheme.valuebox, scheme.valueboxedges->topleft, scheme.valueboxedges->bottomright);
      } else {
        DrawBevelSunken(context.view, box.left, box.top, box.right, box.bottom, dc, scheme.valuebox);
      }
      dc.DrawText(*text, box, kOneLineCentred);
      dc.ExcludeClipRect(box);
    }
  }
  dc.FillRect(card, scheme.face);
  {
    SelectedPen pen(dc, SolidPen(1, scheme.cardoutline));
    SelectedBrush brush(dc, SolidBrush(scheme.card));
    // Corners cut by half a cell stand in for the rounded card.
    const int k = cw / 2;
    const std::array<Point, 8> corners{Point{card.left + k, card.top},
                                       Point{card.right - 1 - k, card.top},
                                       Point{card.right - 1, card.top + k},
                                       Point{card.right - 1, card.bottom - 1 - k},
                                       Point{card.right - 1 - k, card.bottom - 1},
                                       Point{card.left + k, card.bottom - 1},
                                       Point{card.left, card.bottom - 1 - k},
                                       Point{card.left, card.top + k}};
    dc.Polygon(corners);
  }
  {
    SelectedFont font(dc, ChartTitleFont(r, context.view));
    SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
    {
      SelectedTextColour colour(dc, scheme.cardtitle.value_or(static_cast<Colour>(field.colour)));
      dc.DrawText(field.label, title, kOneLineCentred);
    }
    SelectedTextColour colour(dc, Grey(0));
    dc.DrawText(kUnitDivCaption, unitline, kOneLineLeft);
    dc.DrawText(kPositionCaption, positionline, kOneLineLeft);
  }
  if (!scheme.printed) {
    DrawArrow(dc, geometry.ChartFieldUpperUpRect(index, f), true, field.unitdivuppressed);
    DrawArrow(dc, geometry.ChartFieldUpperDownRect(index, f), false, field.unitdivdownpressed);
    DrawArrow(dc, geometry.ChartFieldLowerUpRect(index, f), true, field.positionuppressed);
    DrawArrow(dc, geometry.ChartFieldLowerDownRect(index, f), false, field.positiondownpressed);
  }
  dc.ExcludeClipRect(card);
}

void DrawStrip(DrawingContext& context, ChartRecorderGeometry& geometry, int index) {
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  const ChartRecorderRunState& state = context.states.ChartRecorders()[index];
  DrawNavigationButton(context, geometry.ChartToStartButtonRect(index), state.tostartpressed, Icon::ToStart);
  DrawNavigationButton(context, geometry.ChartStepBackButtonRect(index), state.stepbackpressed, Icon::StepBack);
  DrawNavigationButton(context, geometry.ChartStepForwardButtonRect(index), state.stepforwardpressed,
                       Icon::StepForward);
  DrawNavigationButton(context, geometry.ChartToEndButtonRect(index), state.toendpressed, Icon::ToEnd);
  DeviceContext& dc = context.dc;
  SelectedFont font(dc, ChartTextFont(r, context.view));
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  DrawLabelButton(context, geometry.ChartCursorModeRect(index), r.cursornone, kNoneLabel);
  DrawLabelButton(context, geometry.ChartCursorModeButton1Rect(index), r.cursortime, kTimeLabel);
  DrawLabelButton(context, geometry.ChartCursorModeButton2Rect(index), r.cursorunits, kUnitsLabel);
  DrawLabelButton(context, geometry.ChartCursor1Rect(index), state.cursor1downpressed, kDownLabel);
  DrawLabelButton(context, geometry.ChartCursor1ButtonRect(index), state.cursor1uppressed, kUpLabel);
  DrawLabelButton(context, geometry.ChartCursor2Rect(index), state.cursor2downpressed, kDownLabel);
  DrawLabelButton(context, geometry.ChartCursor2ButtonRect(index), state.cursor2uppressed, kUpLabel);
  DrawLabelButton(context, geometry.ChartTimeDivRect(index), state.timedivdownpressed, kDownLabel);
  DrawLabelButton(context, geometry.ChartTimeDivButtonRect(index), state.timedivuppressed, kUpLabel);
  DrawLabelButton(context, geometry.ChartPrintButtonRect(index), state.printpressed, kPrintLabel);
}

void DrawFace(DrawingContext& context, const Rect& obj, const ChartScheme& scheme) {
  DeviceContext& dc = context.dc;
  SelectedPen pen(dc, SolidPen(1, scheme.face));
  const ChartEdges& edges = scheme.FaceEdges(DoubleEdges(context.view));
  DrawEdgedFace(dc, obj, scheme.face, edges.topleft, edges.bottomright);
}

void DrawBand(DrawingContext& context, const ChartRecorderRecord& r, ChartRecorderRunState& state, const Rect& obj,
              const Rect& plot, ViewWindow* window, const ChartScheme& scheme) {
  DeviceContext& dc = context.dc;
  SelectedFont font(dc, ChartTextFont(r, context.view));
  SelectedTextColour colour(dc, scheme.bandtext);
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  const std::string timedivtext = r.timediv + kSecDivSuffix;
  const int datewidth = dc.GetTextExtent(r.windowdate).cx;
  const int timewidth = dc.GetTextExtent(r.windowtime).cx;
  const int timedivwidth = dc.GetTextExtent(timedivtext).cx;
  const int middle = (plot.left + plot.right) / 2;
  state.daterect = {plot.left, obj.top, plot.left + datewidth, plot.top};
  state.timerect = {middle - timewidth / 2, obj.top, middle - timewidth / 2 + timewidth, plot.top};
  const Rect timedivrect{plot.right - timedivwidth, obj.top, plot.right, plot.top};
  // The readout is clipped to what was invalidated for it, which is where
  // the old one stood: a longer old text is cleared, and a longer new one
  // shown whole, at the next paint.
  if (window != nullptr && !IsEmpty(state.timedivrect) && Width(timedivrect) != Width(state.timedivrect)) {
    const int x = dc.GetTextExtent(kMarginLetter).cx;
    window->InvalidateRect(Inflated(state.timedivrect, x, 0), false);
  }
  state.timedivrect = timedivrect;
  dc.DrawText(r.windowdate, state.daterect, kOneLineLeft);
  dc.DrawText(r.windowtime, state.timerect, kOneLineCentred);
  dc.DrawText(timedivtext, state.timedivrect, kOneLineLeft);
}

void DrawGroupCaptions(DrawingContext& context, ChartRecorderGeometry& geometry, int index, const Rect& plot) {
  ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  DeviceContext& dc = context.dc;
  SelectedFont font(dc, ChartTextFont(r, context.view));
  SelectedTextColour colour(dc, Grey(0));
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  // A caption wider than its group overhangs it evenly rather than being cut.
  const auto caption = [&](const char* text, const Rect& first, const Rect& last) {
    const int middle = (first.left + last.right) / 2;
    const int half = std::max(last.right - first.left, dc.GetTextExtent(text).cx + 2) / 2 + 1;
    dc.DrawText(text, {middle - half, plot.bottom, middle + half, first.top}, kOneLineCentred);
  };
  caption(kCursorModeCaption, geometry.ChartCursorModeRect(index), geometry.ChartCursorModeButton2Rect(index));
  caption(kCursor1Caption, geometry.ChartCursor1Rect(index), geometry.ChartCursor1ButtonRect(index));
  caption(kCursor2Caption, geometry.ChartCursor2Rect(index), geometry.ChartCursor2ButtonRect(index));
  caption(kTimeDivCaption, geometry.ChartTimeDivRect(index), geometry.ChartTimeDivButtonRect(index));
}

}  // namespace

void DrawChartRecorder(DrawingContext& context, ChartRecorderGeometry& geometry, int index, const Rect& obj,
                       const ChartMemory* memory, ChartTraces& traces, MessageSink* messages, ViewWindow* window,
                       const ChartScheme& scheme) {
  const ChartRecorderRecord& r = context.doc.m_chartrecorders[index];
  ChartRecorderRunState& state = context.states.ChartRecorders()[index];
  DeviceContext& dc = context.dc;
  const int Z = context.view.m_fontfactor;
  const Size size = FontCellSize(r.sizecode);
  const Cell cell{size.cx * Z, size.cy * Z, scheme.PlotFrameDepth(DoubleEdges(context.view))};
  const Rect plot = scheme.printed ? PrintedChartPlotRect(obj, cell.cw, cell.ch) : geometry.ChartPlotRect(index);
  state.plotrect = Inflated(plot, 1, 1);
  SavedState saved(dc);
  // A pending update of the traces goes first, and nothing after it may
  // paint over them. Only the area itself is cut out: the paint starts on a
  // fresh image, where the face must still fill the pixel ring around it.
  const bool updated = state.redrawtraces != 0;
  if (updated) {
    CR_DrawData(context, index, plot, memory, traces, messages, scheme);
    dc.ExcludeClipRect(plot);
  }
  if (!dc.RectVisible(obj)) return;

  bool onlytime = false;
  {
    SavedState timeonly(dc);
    dc.ExcludeClipRect(state.timerect);
    // The ring round an updated area is left to the face fill, which the
    // time readout's repaint makes as well.
    if (updated) dc.ExcludeClipRect(state.plotrect);
    onlytime = !dc.RectVisible(obj);
  }
  if (!onlytime) {
    // A card is cut out of the clip once drawn: of two fields given the same
    // row, the later one shows, as if drawn over the earlier.
    for (int f = r.fields.Count() - 1; f >= 0; --f)
      DrawLegendCard(context, geometry, index, f, obj, plot, cell, scheme);
    if (!scheme.printed) DrawStrip(context, geometry, index);
  }
  DrawFace(context, obj, scheme);
  DrawBand(context, r, state, obj, plot, window, scheme);
  if (onlytime) return;
  if (!scheme.printed) DrawGroupCaptions(context, geometry, index, plot);
  if (!updated && dc.RectVisible(state.plotrect)) CR_DrawData(context, index, plot, memory, traces, messages, scheme);
}

}  // namespace korvix
