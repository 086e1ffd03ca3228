#pragma once

#include "render/device_context.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// Round frames of shaded arcs on the ellipse inscribed in rect. rect comes
// back shrunk to the area the caller paints the face into: by 3 pixels a side
// (raised) or 1 (sunken) at Font Size X 1, by 5 or 3 at the larger sizes.
void DrawBezelRaised(const ViewState& view, Rect& rect, DeviceContext& dc);
void DrawBezelSunken(const ViewState& view, Rect& rect, DeviceContext& dc);

}  // namespace korvix
