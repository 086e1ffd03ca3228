#pragma once

#include "render/drawing_context.h"
#include "render/rect.h"

namespace korvix {

// Sub button k of count side by side across the array's rectangle, the first
// at the left; together they cover it without gaps.
Rect ButtonArraySubButtonRect(const Rect& array, int count, int k);

// Every sub button up, except the one pushed down (`isdown`), which is drawn
// pressed; while the array runs that one is also lit. The drawn placement of
// each sub button is kept in its record, as the object's rectangle is.
void DrawButtonArray(DrawingContext& context, int index);
void DrawButtonArray(DrawingContext& context, int index, bool running);

}  // namespace korvix
