#include "ui/colour_palette_grid.h"

#include <qdrawutil.h>
#include <QMouseEvent>
#include <QPainter>

#include "ui/colorref.h"

namespace korvix {

CColourPaletteGrid::CColourPaletteGrid(int current, QWidget* parent) : QWidget(parent), m_current(current) {
  // The cells keep their gaps of 9 by 3 pixels whatever the font, so the
  // font only sizes what is left for the colour.
  const int line = fontMetrics().height();
  setFixedSize(kPaletteColumns * (line + 16), kPaletteRows * (line + 4));
  Layout();
}

void CColourPaletteGrid::SetCurrent(int colour) {
  m_current = colour;
  Layout();
  update();
}

void CColourPaletteGrid::Layout() { m_cells = LayoutPaletteCells({0, 0, width(), height()}, m_current); }

void CColourPaletteGrid::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  Layout();
}

void CColourPaletteGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int pressed = PaletteCellOf(m_current);
  for (int i = 0; i < kPaletteSize; ++i) {
    const Rect& cell = m_cells[static_cast<size_t>(i)];
    const QRect area(cell.left, cell.top, cell.right - cell.left, cell.bottom - cell.top);
    const QBrush fill(ToQColor(kPaletteColours[static_cast<size_t>(i)]));
    qDrawWinPanel(&painter, area, palette(), i == pressed, &fill);
  }
}

void CColourPaletteGrid::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
  const QPoint at = event->position().toPoint();
  const int cell = PaletteCellAt(m_cells, at.x(), at.y());
  if (cell >= 0) emit cellChosen(kPaletteColours[static_cast<size_t>(cell)]);
}

}  // namespace korvix
