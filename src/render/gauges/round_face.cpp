#include "render/gauges/round_face.h"

#include <algorithm>

#include "render/bezel.h"
#include "render/selection.h"

namespace korvix {

RoundFace RoundFaceIn(const ViewState& view, const Rect& rect) {
  RoundFace face;
  // Wide arcs stray a pixel beyond their ellipse, which would leave a dot
  // outside the object's own ellipse.
  face.square = Inflated(CentredSquare(rect), -1, -1);
  face.face = Inflated(face.square, -RaisedBezelInset(view), -RaisedBezelInset(view));
  face.centre = CentreOf(face.face);
  face.radius = RadiusOf(face.face);
  return face;
}

double TurnAngle(double fraction) { return BearingAngle(360.0 * fraction); }

void DrawRoundFace(DeviceContext& dc, const ViewState& view, const RoundFace& face, Colour colour, bool withframe) {
  if (withframe) {
    Rect inside = face.square;
    DrawBezelRaised(view, inside, dc);
  }
  SelectedPen pen(dc, NullPen());
  SelectedBrush brush(dc, SolidBrush(colour));
  dc.Ellipse(face.face);
}

bool ClipPartialRedraw(DeviceContext& dc, const Rect& rect, const RoundFace& face, std::span<const Rect> areas) {
  ClipToAreas(dc, rect, areas);
  return std::all_of(areas.begin(), areas.end(), [&face](const Rect& area) {
    return IsEmpty(area) || InsideCircle(area, face.centre, face.radius);
  });
}

ArcScale FullTurnScale(const ViewState& view, const RoundFace& round, int ticks, int submarks, Colour colour) {
  ArcScale scale;
  scale.centre = round.centre;
  scale.radius = round.radius * 0.94;
  scale.angle = TurnAngle;
  scale.ticks = ticks;
  scale.submarks = submarks;
  scale.majorlength = round.radius * 0.12;
  scale.minorlength = round.radius * 0.06;
  scale.majorpen = SolidPen(2 * StrokeWidth(view), colour);
  scale.minorpen = SolidPen(StrokeWidth(view), colour);
  return scale;
}

}  // namespace korvix
