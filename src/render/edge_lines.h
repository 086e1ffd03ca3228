#pragma once

#include <span>

#include "render/colour.h"
#include "render/device_context.h"
#include "render/rect.h"

namespace korvix {

// Fills rect with face under whatever pen is selected, then lays one-pixel
// lines around it from the outside in: topleft[k] and bottomright[k] at
// inset k. Together the two outermost lines cover the whole border.
void DrawEdgedFace(DeviceContext& dc, const Rect& rect, Colour face, std::span<const Colour> topleft,
                   std::span<const Colour> bottomright);

}  // namespace korvix
