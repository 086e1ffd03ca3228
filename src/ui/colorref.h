#pragma once

#include <QColor>

namespace korvix {

// Colours cross the window edge here: the project keeps them as 0x00BBGGRR
// integers, red in the low byte; the alpha of a QColor is dropped.
inline QColor ToQColor(int colorref) {
  return QColor(colorref & 0xFF, (colorref >> 8) & 0xFF, (colorref >> 16) & 0xFF);
}

inline int ToColorRef(const QColor& colour) { return colour.red() | (colour.green() << 8) | (colour.blue() << 16); }

}  // namespace korvix
