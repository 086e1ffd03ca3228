#include "qtdraw/qt_font_measure.h"

#include <QFontMetrics>

#include "qtdraw/qt_fonts.h"

namespace korvix {

int QtFontMeasure::LineHeight(const Font& font, int dpi) {
  return korvix::LineHeight(QFontMetrics(MakeQtFont(font, dpi)));
}

int QtFontMeasure::AverageCharWidth(const Font& font, int dpi) {
  return QFontMetrics(MakeQtFont(font, dpi)).averageCharWidth();
}

}  // namespace korvix
