#include "ui/dialog_units.h"

#include <QFontMetrics>
#include <QWidget>

namespace korvix {

namespace {
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";

int AverageCharWidth(const QWidget* dialog) {
  const int total = dialog->fontMetrics().horizontalAdvance(QString::fromLatin1(kAlphabet));
  return (total / 26 + 1) / 2;
}
}  // namespace

int DialogUnitsX(const QWidget* dialog, int units) { return units * AverageCharWidth(dialog) / 4; }

int DialogUnitsY(const QWidget* dialog, int units) { return units * dialog->fontMetrics().height() / 8; }

}  // namespace korvix
