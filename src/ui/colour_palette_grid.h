#pragma once

#include <QWidget>

#include "properties/colour_palette.h"

namespace korvix {

// The colour picker's palette: 35 painted cells, the current one sunken and
// the others raised. A click on a cell offers its colour.
class CColourPaletteGrid final : public QWidget {
  Q_OBJECT

public:
  CColourPaletteGrid(int current, QWidget* parent = nullptr);

  // kNoPaletteColour, or any colour the palette lacks, leaves every cell raised.
  void SetCurrent(int colour);
  int Current() const { return m_current; }
  const PaletteCells& Cells() const { return m_cells; }

signals:
  void cellChosen(int colour);

protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void Layout();

  int m_current;
  PaletteCells m_cells;
};

}  // namespace korvix
