#include "render/gauges/gauge_painting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <set>
#include <string>
#include <vector>

#include "render/selection.h"

namespace korvix {

namespace {

double Radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

int Floor(double value) { return static_cast<int>(std::floor(value)); }
int Ceil(double value) { return static_cast<int>(std::ceil(value)); }

// A polygon's fill can reach a pixel beyond its rounded corners.
constexpr int kFigureSlack = 2;

}  // namespace

Font GaugeFont(std::string_view face, const ViewState& view, int sizecode, int tenthspercode) {
  return Font{std::string(face), sizecode * view.m_fontfactor * tenthspercode};
}

void DrawTextLine(DeviceContext& dc, std::string_view text, const Rect& rect, const Font& font, Colour colour,
                  TextFormat alignment) {
  if (text.empty() || IsEmpty(rect)) return;
  SelectedFont selectedfont(dc, font);
  SelectedTextColour textcolour(dc, colour);
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  dc.DrawText(text, rect, alignment | TextFormat::SingleLine | TextFormat::VCentre | TextFormat::NoPrefix);
}

Rect TextBoxAt(DeviceContext& dc, std::string_view text, const Font& font, Point centre) {
  SelectedFont selectedfont(dc, font);
  const Size extent = dc.GetTextExtent(text);
  const int width = extent.cx + 2;
  return {centre.x - width / 2, centre.y - extent.cy / 2, centre.x - width / 2 + width,
          centre.y - extent.cy / 2 + extent.cy};
}

PointF Polar(PointF centre, double radius, double degrees) {
  return {centre.x + radius * std::cos(Radians(degrees)), centre.y - radius * std::sin(Radians(degrees))};
}

Point Pixel(PointF point) { return {static_cast<int>(std::lround(point.x)), static_cast<int>(std::lround(point.y))}; }

double BearingAngle(double bearing) { return 90.0 - bearing; }

PointF CentreOf(const Rect& rect) { return {(rect.left + rect.right) / 2.0, (rect.top + rect.bottom) / 2.0}; }

double RadiusOf(const Rect& rect) { return std::min(Width(rect), Height(rect)) / 2.0; }

Rect CentredSquare(const Rect& rect) {
  const int side = std::min(Width(rect), Height(rect));
  const int left = rect.left + (Width(rect) - side) / 2;
  const int top = rect.top + (Height(rect) - side) / 2;
  return {left, top, left + side, top + side};
}

void DrawRadialLine(DeviceContext& dc, PointF centre, double inner, double outer, double degrees, const Pen& pen) {
  SelectedPen selectedpen(dc, pen);
  dc.MoveTo(Pixel(Polar(centre, inner, degrees)));
  dc.LineTo(Pixel(Polar(centre, outer, degrees)));
}

namespace {

std::array<Point, 4> NeedleOutline(PointF centre, double length, double degrees, double width) {
  const PointF tip = Polar(centre, length, degrees);
  const PointF tail = Polar(centre, length / 4, degrees + 180.0);
  const PointF left = Polar(centre, width / 2, degrees + 90.0);
  const PointF right = Polar(centre, width / 2, degrees - 90.0);
  return {Pixel(tip), Pixel(left), Pixel(tail), Pixel(right)};
}

}  // namespace

void DrawNeedle(DeviceContext& dc, PointF centre, double length, double degrees, double width, Colour colour) {
  const auto outline = NeedleOutline(centre, length, degrees, width);
  SelectedPen pen(dc, SolidPen(1, colour));
  SelectedBrush brush(dc, SolidBrush(colour));
  dc.Polygon(outline);
}

namespace {

std::array<Point, 7> ArrowOutline(PointF centre, double length, double degrees, double width) {
  const PointF tip = Polar(centre, length, degrees);
  const PointF neck = Polar(centre, length - 2.5 * width, degrees);
  const PointF tail = Polar(centre, length, degrees + 180.0);
  const auto side = [&](PointF at, double half, double turn) { return Pixel(Polar(at, half, degrees + turn)); };
  return {Pixel(tip),
          side(neck, width, 90.0),
          side(neck, width / 4, 90.0),
          side(tail, width / 4, 90.0),
          side(tail, width / 4, -90.0),
          side(neck, width / 4, -90.0),
          side(neck, width, -90.0)};
}

template <std::size_t N>
Rect OutlineBounds(const std::array<Point, N>& outline) {
  Rect bounds{outline[0].x, outline[0].y, outline[0].x + 1, outline[0].y + 1};
  for (const Point& p : outline) bounds = Union(bounds, {p.x, p.y, p.x + 1, p.y + 1});
  return Inflated(bounds, kFigureSlack, kFigureSlack);
}

}  // namespace

void DrawArrow(DeviceContext& dc, PointF centre, double length, double degrees, double width, Colour colour) {
  const auto outline = ArrowOutline(centre, length, degrees, width);
  SelectedPen pen(dc, SolidPen(1, colour));
  SelectedBrush brush(dc, SolidBrush(colour));
  dc.Polygon(outline);
}

Rect ArrowBounds(PointF centre, double length, double degrees, double width) {
  return OutlineBounds(ArrowOutline(centre, length, degrees, width));
}

void DrawDisc(DeviceContext& dc, PointF centre, double radius, Colour colour) {
  SelectedPen pen(dc, NullPen());
  SelectedBrush brush(dc, SolidBrush(colour));
  dc.Ellipse(DiscBounds(centre, radius));
}

Rect NeedleBounds(PointF centre, double length, double degrees, double width) {
  return OutlineBounds(NeedleOutline(centre, length, degrees, width));
}

Rect DiscBounds(PointF centre, double radius) {
  return {Floor(centre.x - radius), Floor(centre.y - radius), Ceil(centre.x + radius), Ceil(centre.y + radius)};
}

Rect Union(const Rect& a, const Rect& b) {
  return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right), std::max(a.bottom, b.bottom)};
}

void ClipToAreas(DeviceContext& dc, const Rect& whole, std::span<const Rect> areas) {
  // The edges of the areas cut `whole` into cells; every cell that no area
  // covers is excluded. Neighbouring cells go as one rectangle, a run along
  // its row grown down over the rows that repeat it, as every cut-out costs
  // each later drawing a test.
  std::set<int> xs{whole.left, whole.right};
  std::set<int> ys{whole.top, whole.bottom};
  for (const Rect& area : areas) {
    if (IsEmpty(area)) continue;
    xs.insert(std::clamp(area.left, whole.left, whole.right));
    xs.insert(std::clamp(area.right, whole.left, whole.right));
    ys.insert(std::clamp(area.top, whole.top, whole.bottom));
    ys.insert(std::clamp(area.bottom, whole.top, whole.bottom));
  }
  const std::vector<int> columns(xs.begin(), xs.end());
  const std::vector<int> rows(ys.begin(), ys.end());
  std::vector<Rect> growing;
  for (std::size_t j = 0; j + 1 < rows.size(); ++j) {
    std::vector<Rect> runs;
    for (std::size_t i = 0; i + 1 < columns.size(); ++i) {
      const Rect cell{columns[i], rows[j], columns[i + 1], rows[j + 1]};
      const bool covered = std::any_of(areas.begin(), areas.end(), [&cell](const Rect& area) {
        return !IsEmpty(area) && area.left <= cell.left && cell.right <= area.right && area.top <= cell.top &&
               cell.bottom <= area.bottom;
      });
      if (covered) continue;
      if (!runs.empty() && runs.back().right == cell.left)
        runs.back().right = cell.right;
      else
        runs.push_back(cell);
    }
    std::vector<Rect> next;
    for (Rect run : runs) {
      const auto above = std::find_if(growing.begin(), growing.end(), [&run](const Rect& r) {
        return r.left == run.left && r.right == run.right && r.bottom == run.top;
      });
      if (above != growing.end()) {
        run.top = above->top;
        growing.erase(above);
      }
      next.push_back(run);
    }
    for (const Rect& done : growing) dc.ExcludeClipRect(done);
    growing = std::move(next);
  }
  for (const Rect& done : growing) dc.ExcludeClipRect(done);
}

int StrokeWidth(const ViewState& view) { return view.m_fontfactor; }

int BevelLines(const ViewState& view) { return DoubleEdges(view) ? 4 : 2; }

Point LinePoint(const LineScale& scale, double fraction) {
  return {static_cast<int>(std::lround(scale.zero.x + (scale.full.x - scale.zero.x) * fraction)),
          static_cast<int>(std::lround(scale.zero.y + (scale.full.y - scale.zero.y) * fraction))};
}

void DrawLineMarks(DeviceContext& dc, const LineScale& scale) {
  if (scale.ticks < 2) return;
  const auto mark = [&](double fraction, int length, const Pen& pen) {
    const Point from = LinePoint(scale, fraction);
    SelectedPen selectedpen(dc, pen);
    dc.MoveTo(from);
    dc.LineTo({from.x + scale.side.x * length, from.y + scale.side.y * length});
  };
  const int steps = scale.ticks - 1;
  for (int k = 0; k <= steps; ++k) {
    const double at = static_cast<double>(k) / steps;
    mark(at, scale.majorlength, scale.majorpen);
    if (k == steps) break;
    for (int m = 1; m <= scale.submarks; ++m)
      mark(at + static_cast<double>(m) / (scale.submarks + 1) / steps, scale.minorlength, scale.minorpen);
  }
}

int RaisedBezelInset(const ViewState& view) { return DoubleEdges(view) ? 5 : 3; }

bool InsideCircle(const Rect& rect, PointF centre, double radius) {
  const auto inside = [&](int x, int y) { return std::hypot(x - centre.x, y - centre.y) <= radius; };
  return inside(rect.left, rect.top) && inside(rect.right, rect.top) && inside(rect.left, rect.bottom) &&
         inside(rect.right, rect.bottom);
}

void DrawArcMarks(DeviceContext& dc, const ArcScale& scale) {
  if (scale.ticks < 2) return;
  const int steps = scale.ticks - 1;
  for (int k = 0; k <= steps; ++k) {
    const double at = static_cast<double>(k) / steps;
    DrawRadialLine(dc, scale.centre, scale.radius - scale.majorlength, scale.radius, scale.angle(at), scale.majorpen);
    if (k == steps) break;
    for (int m = 1; m <= scale.submarks; ++m) {
      const double sub = at + static_cast<double>(m) / (scale.submarks + 1) / steps;
      DrawRadialLine(dc, scale.centre, scale.radius - scale.minorlength, scale.radius, scale.angle(sub),
                     scale.minorpen);
    }
  }
}

void DrawArcLabels(DeviceContext& dc, const ArcScale& scale, std::span<const std::string> labels, double labelradius,
                   const Font& font, Colour colour) {
  const int steps = static_cast<int>(labels.size()) - 1;
  if (steps < 1) return;
  for (int k = 0; k <= steps; ++k) {
    const std::string& label = labels[static_cast<std::size_t>(k)];
    const Point at = Pixel(Polar(scale.centre, labelradius, scale.angle(static_cast<double>(k) / steps)));
    DrawTextLine(dc, label, TextBoxAt(dc, label, font, at), font, colour);
  }
}

void DrawArcBand(DeviceContext& dc, const ArcScale& scale, double bandradius, int width, double from, double to,
                 Colour colour) {
  if (to <= from) return;
  // Arcs turn counter-clockwise and a scale's angle falls as it rises.
  const Rect bounds{static_cast<int>(std::lround(scale.centre.x - bandradius)),
                    static_cast<int>(std::lround(scale.centre.y - bandradius)),
                    static_cast<int>(std::lround(scale.centre.x + bandradius)),
                    static_cast<int>(std::lround(scale.centre.y + bandradius))};
  const Point start = Pixel(Polar(scale.centre, bandradius, scale.angle(to)));
  const Point end = Pixel(Polar(scale.centre, bandradius, scale.angle(from)));
  // Equal ends would make a whole circle of a band too short to see.
  if (start == end) return;
  SelectedPen pen(dc, SolidPen(width, colour));
  dc.Arc(bounds, start, end);
}

}  // namespace korvix
