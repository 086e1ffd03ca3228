#include "qtdraw/qt_fonts.h"

#include <algorithm>

namespace korvix {

QString QtFontFamily(std::string_view face) {
  if (face == kFaceArial || face == kFaceArialUnicode) return QStringLiteral("Liberation Sans");
  if (face == kFaceTimesNewRoman) return QStringLiteral("Liberation Serif");
  return QString::fromLatin1(face.data(), static_cast<qsizetype>(face.size()));
}

int FontPixelSize(int pointtenths, int dpi) {
  constexpr int kTenthsPerInch = 720;
  return std::max(1, (pointtenths * dpi + kTenthsPerInch / 2) / kTenthsPerInch);
}

QFont MakeQtFont(const Font& font, int dpi) {
  QFont qfont(QtFontFamily(font.face));
  qfont.setPixelSize(FontPixelSize(font.pointtenths, dpi));
  return qfont;
}

}  // namespace korvix
