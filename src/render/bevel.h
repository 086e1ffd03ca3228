#pragma once

#include "render/colour.h"
#include "render/device_context.h"
#include "render/view_state.h"

namespace korvix {

// A grey frame standing out of the page.
void DrawBevelRaised(const ViewState& view, int left, int top, int right, int bottom, DeviceContext& dc);

// A frame sunk into the page around a face of the given colour.
void DrawBevelSunken(const ViewState& view, int left, int top, int right, int bottom, DeviceContext& dc,
                     Colour facecolour);

}  // namespace korvix
