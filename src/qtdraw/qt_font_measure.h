#pragma once

#include "render/font_measure.h"

namespace korvix {

// The metrics of the fonts QtDeviceContext selects at the same dpi.
class QtFontMeasure final : public FontMeasure {
public:
  int LineHeight(const Font& font, int dpi) override;
  int AverageCharWidth(const Font& font, int dpi) override;
};

}  // namespace korvix
