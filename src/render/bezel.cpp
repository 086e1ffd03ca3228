#include "render/bezel.h"

#include <array>
#include <cmath>
#include <numbers>
#include <span>

#include "render/selection.h"

namespace korvix {

namespace {

struct Ring {
  int arcs;
  int penwidth;
  int startgrey;
  int step;  // grey change after each arc of the first half; reversed after
};

constexpr std::array kRaisedThin{Ring{40, 3, 255, -10}, Ring{20, 2, 204, -10}};
constexpr std::array kRaisedThick{Ring{40, 3, 255, -10}, Ring{40, 2, 255, -10}, Ring{20, 2, 204, -10},
                                  Ring{20, 2, 204, -10}};
constexpr std::array kSunkenThin{Ring{20, 2, 102, 10}, Ring{40, 2, 51, 10}};
constexpr std::array kSunkenThick{Ring{20, 2, 102, 10}, Ring{20, 2, 102, 10}, Ring{40, 2, 51, 10}, Ring{40, 2, 51, 10}};

// Angles run from straight up towards the left, so 45 degrees is the upper
// left and the ring turns counter-clockwise.
Point PointAt(const Rect& rect, double degrees) {
  const int cx = (rect.left + rect.right) / 2;
  const int cy = (rect.top + rect.bottom) / 2;
  const int r = (rect.right - rect.left) / 2;
  const double radians = degrees * std::numbers::pi / 180.0;
  return {cx - static_cast<int>(r * std::sin(radians)), cy - static_cast<int>(r * std::cos(radians))};
}

void DrawRing(DeviceContext& dc, const Rect& rect, const Ring& ring) {
  const double span = 360.0 / ring.arcs;
  int grey = ring.startgrey;
  for (int i = 0; i < ring.arcs; ++i) {
    const double start = 45.0 + i * span;
    {
      SelectedPen pen(dc, SolidPen(ring.penwidth, Grey(grey)));
      dc.Arc(rect, PointAt(rect, start), PointAt(rect, start + span));
    }
    grey += i < ring.arcs / 2 ? ring.step : -ring.step;
  }
}

Rect Shrunk(const Rect& rect) { return Inflated(rect, -1, -1); }

void DrawRaised(Rect& rect, DeviceContext& dc, std::span<const Ring> rings) {
  for (const Ring& ring : rings) {
    rect = Shrunk(rect);
    DrawRing(dc, rect, ring);
  }
  rect = Shrunk(rect);
}

void DrawSunken(Rect& rect, DeviceContext& dc, std::span<const Ring> rings) {
  for (std::size_t i = 0; i < rings.size(); ++i) {
    if (i > 0) rect = Shrunk(rect);
    DrawRing(dc, rect, rings[i]);
  }
}

}  // namespace

void DrawBezelRaised(const ViewState& view, Rect& rect, DeviceContext& dc) {
  if (DoubleEdges(view))
    DrawRaised(rect, dc, kRaisedThick);
  else
    DrawRaised(rect, dc, kRaisedThin);
}

void DrawBezelSunken(const ViewState& view, Rect& rect, DeviceContext& dc) {
  if (DoubleEdges(view))
    DrawSunken(rect, dc, kSunkenThick);
  else
    DrawSunken(rect, dc, kSunkenThin);
}

}  // namespace korvix
