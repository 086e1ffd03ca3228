#pragma once

#include "render/bitmap.h"
#include "render/device_context.h"
#include "render/drawing_context.h"
#include "render/rect.h"

namespace korvix {

inline constexpr std::string_view kImagePlaceholderText = "Image";

// A framed box on the page colour showing its bitmap centred, or the word
// "Image" when the box has none (bitmap null).
void DrawImageBox(DrawingContext& context, int index, const Bitmap* bitmap);

// Copies a bitmap unscaled with its top-left corner at the top-left corner
// of target; Image Boxes and page backgrounds alike.
void DrawImageBox(DeviceContext& dc, const Bitmap& bitmap, const Rect& target);

}  // namespace korvix
