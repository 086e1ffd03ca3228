#pragma once

class QWidget;

namespace korvix {

// The dialogs' layouts are measured in dialog units, which follow the
// dialog's font: a quarter of its average character width across and an
// eighth of its height down.
int DialogUnitsX(const QWidget* dialog, int units);
int DialogUnitsY(const QWidget* dialog, int units);

}  // namespace korvix
