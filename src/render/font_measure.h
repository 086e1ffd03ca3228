#pragma once

#include "render/device_context.h"

namespace korvix {

// Font metrics without a device context, for layouts made before (or
// without) drawing, such as the printed pages a print job skips.
class FontMeasure {
public:
  virtual ~FontMeasure() = default;
  // The font's line height in pixels at dpi, as GetTextExtent reports it.
  virtual int LineHeight(const Font& font, int dpi) = 0;
  virtual int AverageCharWidth(const Font& font, int dpi) = 0;
};

}  // namespace korvix
