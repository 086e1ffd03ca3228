#include "render/chart_recorder_geometry.h"

#include <algorithm>

#include "render/font_cell.h"

namespace korvix {

namespace {

int Trunc(double value) { return static_cast<int>(value); }

// Room for the trace area's lower edge line and the strip's upper margin.
constexpr int kPlotBottomGap = 6;
// Room between the trace area and the legend column.
constexpr int kLegendGap = 4;

}  // namespace

// The measures every part is placed by.
struct ChartRecorderGeometry::Layout {
  int W;    // cell width at this Font Size
  int H;    // cell height at this Font Size
  Rect R;   // the object
  Rect P;   // the trace area
  int top;  // the strip below the trace area
  int bottom;
  int s;  // side of a strip square
  int A;  // width of a Cursor Mode box
  int B;  // gap between a cursor box and its button

  // The lower half of the strip, where the Cursor Mode boxes and the
  // cursor boxes stand.
  int LowerTop() const { return top + s / 2; }
  Rect CursorMode(int box) const {
    const int hs = s / 2;
    const int q1 = ((P.right - 2 * s) - (P.left + 3 * s) - 4 * hs - 3 * A - B) / 4;
    const int left = P.left + 3 * s + q1 - 1 + box * A;
    return {left, top + hs, left + A, bottom};
  }
  int BoxHeight() const { return bottom - LowerTop(); }
  int Q2() const { return ((P.right - 2 * s) - (P.left + 2 * s) - 4 * BoxHeight() - 3 * A - B) / 4; }
  Rect LowerSquare(int left) const { return {left, LowerTop(), left + BoxHeight(), bottom}; }
  Rect Cursor1() const { return LowerSquare(CursorMode(2).right + Q2() - 1); }
  Rect Cursor1Button() const { return LowerSquare(Cursor1().right + B); }
  Rect Cursor2() const { return LowerSquare(Cursor1Button().right + Q2() - 1); }
  Rect Cursor2Button() const { return LowerSquare(Cursor2().right + B); }

  // The centre row of a legend arrow pair.
  int PairY(int order, bool lower) const {
    const int pair = Trunc(0.6 * H);
    return P.top + order * Trunc(2.1 * H) + pair + pair / 2 + (lower ? pair : 0);
  }
  int LegendX() const { return (R.right + P.right - 2) / 2; }
  Rect Up(int y) const {
    const int a = Trunc(0.2 * H);
    const int b = Trunc(0.02 * H);
    const int x = LegendX();
    return {x - a, y - a, x + a + 1, y - b + 1};
  }
  Rect Down(int y) const {
    const int a = Trunc(0.2 * H);
    const int b = Trunc(0.02 * H);
    const int x = LegendX();
    return {x - a, y + b + 1, x + a + 1, y + a + 2};
  }

  int TimeDivLeft() const { return P.right + Trunc(1.1 * W); }
};

namespace {

struct ObjectRectParts {
  Rect rect;
  int W;
  int H;
};

ObjectRectParts MeasureObject(const ViewState& view, const ChartRecorderRecord& r) {
  const Size cell = FontCellSize(r.sizecode);
  const int Z = view.m_fontfactor;
  const int W = cell.cx * Z;
  const int H = cell.cy * Z;
  const int width = SnapExtent(Trunc(W * r.widthfactor), view.m_gridsize);
  const int height = SnapExtent(Trunc(H * r.heightfactor), view.m_gridsize);
  const int left = std::max(r.x, 0) * Z - view.m_scrollx;
  const int top = std::max(r.y, 0) * Z - view.m_scrolly;
  return {{left, top, left + width, top + height}, W, H};
}

}  // namespace

Rect ChartRecorderGeometry::ObjectRectChartRecorder(int index) {
  ChartRecorderRecord& r = m_doc.m_chartrecorders[index];
  r.x = std::max(r.x, 0);
  r.y = std::max(r.y, 0);
  const Rect rect = MeasureObject(m_view, r).rect;
  if (m_view.m_dragstate == 0) m_states.At(ScreenObjectKind::ChartRecorder, index).screenrect = rect;
  return rect;
}

ChartRecorderGeometry::Layout ChartRecorderGeometry::LayoutOf(int index) const {
  const ObjectRectParts object = MeasureObject(m_view, m_doc.m_chartrecorders[index]);
  Layout l{};
  l.W = object.W;
  l.H = object.H;
  l.R = object.rect;
  // Even extents keep the grid lines of the trace area symmetric.
  l.P.left = l.R.left + l.W;
  l.P.right = l.R.right - Trunc(8.3 * l.W) - kLegendGap;
  if ((l.P.right - l.P.left) % 2 == 1) ++l.P.left;
  l.P.top = l.R.top + l.H / 2;
  l.P.bottom = l.R.bottom - l.H - kPlotBottomGap;
  if ((l.P.bottom - l.P.top) % 2 == 1) ++l.P.top;
  const int c8 = l.H / 8;
  l.top = l.P.bottom + c8;
  l.bottom = l.R.bottom - c8;
  l.s = l.bottom - l.top;
  l.A = Trunc(2.4 * l.W);
  l.B = Trunc(0.4 * l.W);
  return l;
}

Rect ChartRecorderGeometry::ChartPlotRect(int index) const { return LayoutOf(index).P; }

Rect ChartRecorderGeometry::ChartFieldUpperUpRect(int index, int field) const {
  const Layout l = LayoutOf(index);
  return l.Up(l.PairY(m_doc.m_chartrecorders[index].fields[field].order, false));
}

Rect ChartRecorderGeometry::ChartFieldUpperDownRect(int index, int field) const {
  const Layout l = LayoutOf(index);
  return l.Down(l.PairY(m_doc.m_chartrecorders[index].fields[field].order, false));
}

Rect ChartRecorderGeometry::ChartFieldLowerUpRect(int index, int field) const {
  const Layout l = LayoutOf(index);
  return l.Up(l.PairY(m_doc.m_chartrecorders[index].fields[field].order, true));
}

Rect ChartRecorderGeometry::ChartFieldLowerDownRect(int index, int field) const {
  const Layout l = LayoutOf(index);
  return l.Down(l.PairY(m_doc.m_chartrecorders[index].fields[field].order, true));
}

Rect ChartRecorderGeometry::ChartToStartButtonRect(int index) const {
  const Layout l = LayoutOf(index);
  return {l.P.left, l.top, l.P.left + l.s, l.bottom};
}

Rect ChartRecorderGeometry::ChartStepBackButtonRect(int index) const {
  const Layout l = LayoutOf(index);
  return {l.P.left + l.s, l.top, l.P.left + 2 * l.s, l.bottom};
}

Rect ChartRecorderGeometry::ChartStepForwardButtonRect(int index) const {
  const Layout l = LayoutOf(index);
  return {l.P.right - 2 * l.s, l.top, l.P.right - l.s, l.bottom};
}

Rect ChartRecorderGeometry::ChartToEndButtonRect(int index) const {
  const Layout l = LayoutOf(index);
  return {l.P.right - l.s, l.top, l.P.right, l.bottom};
}

Rect ChartRecorderGeometry::ChartCursorModeRect(int index) const { return LayoutOf(index).CursorMode(0); }
Rect ChartRecorderGeometry::ChartCursorModeButton1Rect(int index) const { return LayoutOf(index).CursorMode(1); }
Rect ChartRecorderGeometry::ChartCursorModeButton2Rect(int index) const { return LayoutOf(index).CursorMode(2); }
Rect ChartRecorderGeometry::ChartCursor1Rect(int index) const { return LayoutOf(index).Cursor1(); }
Rect ChartRecorderGeometry::ChartCursor1ButtonRect(int index) const { return LayoutOf(index).Cursor1Button(); }
Rect ChartRecorderGeometry::ChartCursor2Rect(int index) const { return LayoutOf(index).Cursor2(); }
Rect ChartRecorderGeometry::ChartCursor2ButtonRect(int index) const { return LayoutOf(index).Cursor2Button(); }

Rect ChartRecorderGeometry::ChartTimeDivRect(int index) const {
  const Layout l = LayoutOf(index);
  const int m = l.LowerTop();
  return {l.TimeDivLeft(), m, l.TimeDivLeft() + (l.bottom - m), l.bottom};
}

Rect ChartRecorderGeometry::ChartTimeDivButtonRect(int index) const {
  const Layout l = LayoutOf(index);
  const int m = l.LowerTop();
  const int h = l.bottom - m;
  const int left = l.P.right + h + Trunc(1.1 * l.W) + Trunc(0.5 * l.W);
  return {left, m, left + h, l.bottom};
}

Rect ChartRecorderGeometry::ChartPrintButtonRect(int index) const {
  const Layout l = LayoutOf(index);
  const int left = l.P.right + Trunc(4.8 * l.W);
  return {left, l.top, left + l.s, l.bottom};
}

}  // namespace korvix
