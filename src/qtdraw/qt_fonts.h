#pragma once

#include <QFont>
#include <QFontMetrics>
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

// The height of one line of text in the font: what GetTextExtent and
// FontMeasure report, and how far apart DrawText sets the lines of a text,
// so that a text measured line by line takes the room it is drawn in.
inline int LineHeight(const QFontMetrics& metrics) { return metrics.height(); }

}  // namespace korvix
