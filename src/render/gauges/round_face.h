#pragma once

#include <optional>
#include <span>

#include "render/device_context.h"
#include "render/gauges/gauge_painting.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// The compass-like faces of the Dual Hand Gauge and the Wind Vane: a raised
// bezel around a face of one colour, with marks all the way round.
struct RoundFace {
  Rect square;  // the bezel's
  Rect face;    // inside the bezel
  PointF centre;
  double radius = 0;
};
RoundFace RoundFaceIn(const ViewState& view, const Rect& rect);

// The drawing angle of a fraction of a full turn clockwise from the top.
double TurnAngle(double fraction);

void DrawRoundFace(DeviceContext& dc, const ViewState& view, const RoundFace& face, Colour colour, bool withframe);

// Clips a partial redraw to areas; true when the bezel lies outside them
// all and so need not be painted again.
bool ClipPartialRedraw(DeviceContext& dc, const Rect& rect, const RoundFace& face, std::span<const Rect> areas);

}  // namespace korvix
