#pragma once

#include <span>

#include "render/device_context.h"
#include "render/gauges/gauge_painting.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// The face of the Dial Gauge, the Dual Hand Gauge and the Wind Vane: a
// raised bezel around a disc of one colour, in the largest square that fits.
struct RoundFace {
  Rect square;  // the bezel's
  Rect face;    // inside the bezel
  PointF centre;
  double radius = 0;
};
RoundFace RoundFaceIn(const ViewState& view, const Rect& rect);

// The drawing angle of a fraction of a full turn clockwise from the top.
double TurnAngle(double fraction);

// The marks of a full-turn scale just inside the face's rim, in the gauge's
// colour: `ticks` major marks (0 for none) with `submarks` between them.
ArcScale FullTurnScale(const ViewState& view, const RoundFace& round, int ticks, int submarks, Colour colour);

// The bezel (unless `withframe` is false) and the disc inside it.
void DrawRoundFace(DeviceContext& dc, const ViewState& view, const RoundFace& face, Colour colour, bool withframe);

// Clips a partial redraw to areas; true when the bezel lies outside them
// all and so need not be painted again.
bool ClipPartialRedraw(DeviceContext& dc, const Rect& rect, const RoundFace& face, std::span<const Rect> areas);

}  // namespace korvix
