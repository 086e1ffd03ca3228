#pragma once

#include "render/device_context.h"
#include "render/rect.h"

namespace korvix {

// Cuts everything around rect out of the clip region, for drawings that
// must not leave it; callers keep the state saved around them.
void ClipInside(DeviceContext& dc, const Rect& rect);

}  // namespace korvix
