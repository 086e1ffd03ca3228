#include "render/gauges/pivot_tracker.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>

#include "render/gauges/gauge_colours.h"
#include "render/gauges/gauge_painting.h"
#include "render/gauges/gauge_scale.h"
#include "render/selection.h"

namespace korvix {

namespace {

constexpr Colour kFieldColour = Rgb(214, 235, 200);
constexpr Colour kLimitColour = Rgb(204, 0, 0);
constexpr Colour kLampRim = Grey(51);

double FullTurnAngle(double fraction) { return BearingAngle(360.0 * fraction); }

struct TrackerLayout {
  Rect circle;
  ArcScale scale;
  std::array<Rect, 3> lamps;
  double armlength = 0;
  int armwidth = 0;
  double hubradius = 0;
  double labelradius = 0;
  Rect valuebox;
  Font labelfont;
  Font valuefont;
};

TrackerLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect, const PivotTrackerRecord& record) {
  TrackerLayout l;
  l.circle = CentredSquare(rect);
  const int side = Width(l.circle);
  const int lamp = side * 11 / 100;
  const int margin = side * 2 / 100;
  const Rect& c = l.circle;
  l.lamps[PivotTrackerState::kRun] = {c.left + margin, c.top + margin, c.left + margin + lamp, c.top + margin + lamp};
  l.lamps[PivotTrackerState::kWater] = {c.right - margin - lamp, c.top + margin, c.right - margin,
                                        c.top + margin + lamp};
  l.lamps[PivotTrackerState::kSis] = {c.right - margin - lamp, c.bottom - margin - lamp, c.right - margin,
                                      c.bottom - margin};
  const PointF centre = CentreOf(c);
  const double r = RadiusOf(c) - 3.0 * StrokeWidth(view);
  l.scale.centre = centre;
  l.scale.radius = r - StrokeWidth(view);
  l.scale.angle = FullTurnAngle;
  l.scale.ticks = record.tickmarks >= 2 ? record.tickmarks + 1 : 0;
  l.scale.submarks = record.submarks;
  l.scale.majorlength = r * 0.1;
  l.scale.minorlength = r * 0.05;
  l.scale.majorpen = SolidPen(2 * StrokeWidth(view), static_cast<Colour>(record.textcolor));
  l.scale.minorpen = SolidPen(StrokeWidth(view), static_cast<Colour>(record.textcolor));
  l.armlength = r * 0.86;
  l.armwidth = 3 * StrokeWidth(view);
  l.hubradius = std::max(2.0, r * 0.06);
  l.labelradius = r * 0.74;
  l.labelfont = GaugeFont(kFaceArial, view, record.sizecode, 3);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 4);
  SelectedFont font(dc, l.valuefont);
  const int valueheight = dc.GetTextExtent("0").cy;
  const int half = static_cast<int>(r * 0.4);
  const int cx = static_cast<int>(centre.x);
  const int top = static_cast<int>(centre.y + r * 0.3);
  l.valuebox = {cx - half, top, cx + half, top + valueheight};
  return l;
}

Rect ArmArea(const TrackerLayout& l, const std::optional<double>& bearing) {
  if (!bearing) return {};
  const Point tip = Pixel(Polar(l.scale.centre, l.armlength, BearingAngle(*bearing)));
  const Point hub = Pixel(l.scale.centre);
  const Rect line{std::min(tip.x, hub.x), std::min(tip.y, hub.y), std::max(tip.x, hub.x) + 1,
                  std::max(tip.y, hub.y) + 1};
  return Union(Inflated(line, l.armwidth + 2, l.armwidth + 2), DiscBounds(l.scale.centre, l.hubradius));
}

void PaintLamp(DeviceContext& dc, const Rect& bounds, Colour colour) {
  SelectedPen pen(dc, SolidPen(1, kLampRim));
  SelectedBrush brush(dc, SolidBrush(colour));
  dc.Ellipse(bounds);
}

// The arm's travel ends, unless it may turn all the way round.
void PaintLimits(DeviceContext& dc, const ViewState& view, const TrackerLayout& l, const PivotTrackerRecord& record) {
  if (((record.cwlimit - record.ccwlimit) % 360 + 360) % 360 == 0) return;
  const Pen pen = SolidPen(2 * StrokeWidth(view), kLimitColour);
  for (const int limit : {record.cwlimit, record.ccwlimit})
    DrawRadialLine(dc, l.scale.centre, l.scale.radius * 0.5, l.scale.radius, BearingAngle(limit), pen);
}

void Paint(DeviceContext& dc, const ViewState& view, const TrackerLayout& l, const PivotTrackerRecord& record,
           const PivotTrackerState& state, const std::optional<double>& bearing) {
  const Colour text = static_cast<Colour>(record.textcolor);
  {
    // Two filled ellipses rather than a wide pen, so that the region the
    // page cuts out holds exactly what was painted.
    SelectedPen pen(dc, NullPen());
    SelectedBrush border(dc, SolidBrush(static_cast<Colour>(record.bordercolor)));
    dc.Ellipse(l.circle);
    const int rim = 3 * StrokeWidth(view);
    SelectedBrush field(dc, SolidBrush(kFieldColour));
    dc.Ellipse(Inflated(l.circle, -rim, -rim));
  }
  PaintLimits(dc, view, l, record);
  DrawArcMarks(dc, l.scale);
  if (record.showvalues && record.tickmarks >= 2) {
    for (int k = 0; k < record.tickmarks; ++k) {
      const std::string label = std::to_string(static_cast<int>(std::lround(360.0 * k / record.tickmarks)));
      const double at = static_cast<double>(k) / record.tickmarks;
      const Point centre = Pixel(Polar(l.scale.centre, l.labelradius, FullTurnAngle(at)));
      DrawTextLine(dc, label, TextBoxAt(dc, label, l.labelfont, centre), l.labelfont, text);
    }
  }
  DrawTextLine(dc, state.valuetext, l.valuebox, l.valuefont, text);
  if (bearing) {
    const Pen pen = SolidPen(l.armwidth, kPivotArmColour);
    DrawRadialLine(dc, l.scale.centre, 0, l.armlength, BearingAngle(*bearing), pen);
    DrawDisc(dc, l.scale.centre, l.hubradius, kHubColour);
  }
  const std::array<Colour, 3> on{static_cast<Colour>(record.runoncolor), static_cast<Colour>(record.wateroncolor),
                                 static_cast<Colour>(record.sisoncolor)};
  const std::array<Colour, 3> off{static_cast<Colour>(record.runoffcolor), static_cast<Colour>(record.wateroffcolor),
                                  static_cast<Colour>(record.sisoffcolor)};
  for (const auto lamp : {PivotTrackerState::kRun, PivotTrackerState::kWater, PivotTrackerState::kSis})
    PaintLamp(dc, l.lamps[lamp], state.IsOn(lamp) ? on[lamp] : off[lamp]);
}

}  // namespace

void DrawPivotTracker(DrawingContext& context, int index, PivotTrackerStates& states, Region& invalidrgn) {
  const PivotTrackerRecord& record = context.doc.m_pivottrackers[index];
  PivotTrackerState& state = states[index];
  const Rect rect = context.geometry.ObjectRectPivotTracker(index);
  if (IsEmpty(rect)) {
    state.drawnvalue = state.valuetext;
    state.drawnlamps = state.lamps;
    invalidrgn = Region();
    return;
  }
  SavedState saved(context.dc);
  const TrackerLayout layout = Layout(context.dc, context.view, rect, record);
  const std::optional<double> bearing = PivotArmBearing(state.valuetext);
  if (state.drawnvalue != state.valuetext || state.drawnlamps != state.lamps) {
    std::array<Rect, 6> areas{};
    if (state.drawnvalue != state.valuetext) {
      areas[0] = ArmArea(layout, PivotArmBearing(state.drawnvalue));
      areas[1] = ArmArea(layout, bearing);
      areas[2] = layout.valuebox;
    }
    for (std::size_t lamp = 0; lamp < layout.lamps.size(); ++lamp)
      if (state.drawnlamps[lamp] != state.lamps[lamp]) areas[3 + lamp] = layout.lamps[lamp];
    ClipToAreas(context.dc, rect, areas);
  }
  Paint(context.dc, context.view, layout, record, state, bearing);
  state.drawnvalue = state.valuetext;
  state.drawnlamps = state.lamps;
  Region covered = Region::FromEllipse(layout.circle);
  for (const Rect& lamp : layout.lamps) covered.Add(Region::FromEllipse(lamp));
  invalidrgn = covered;
}

}  // namespace korvix
