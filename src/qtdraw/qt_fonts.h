#pragma once

#include <QFont>
#include <QString>

#include "render/device_context.h"

namespace korvix {

// The family that stands in for a face name: the metric-compatible Liberation
// faces for the three names drawings use, the name itself for anything else.
QString QtFontFamily(std::string_view face);

// Character height in pixels of a font of pointtenths at dpi, rounded to the
// nearest pixel, so a font keeps the height that object layouts assume.
int FontPixelSize(int pointtenths, int dpi);

QFont MakeQtFont(const Font& font, int dpi);

}  // namespace korvix
