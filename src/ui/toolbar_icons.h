#pragma once

#include <QIcon>
#include <QSize>

namespace korvix {

// A printer for the toolbar's print button, drawn by the program, since the
// style has no printer among its icons and a desktop's icon theme may not be
// there. Made at `size` for plain and double-density screens.
QIcon PrinterIcon(QSize size);

}  // namespace korvix
