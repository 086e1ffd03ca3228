#include "properties/colour_palette.h"

#include <algorithm>

namespace korvix {

int PaletteCellOf(int colour) {
  const auto found = std::find(kPaletteColours.begin(), kPaletteColours.end(), colour);
  return found == kPaletteColours.end() ? -1 : static_cast<int>(found - kPaletteColours.begin());
}

PaletteCells LayoutPaletteCells(const Rect& grid, int current) {
  const int width = (grid.right - grid.left) / kPaletteColumns;
  const int height = (grid.bottom - grid.top) / kPaletteRows;
  const int pressed = PaletteCellOf(current);
  PaletteCells cells;
  for (int i = 0; i < kPaletteSize; ++i) {
    Rect& cell = cells[static_cast<size_t>(i)];
    cell.left = grid.left + 4 + width * (i % kPaletteColumns);
    cell.top = grid.top + 2 + height * (i / kPaletteColumns);
    cell.right = cell.left + width - 9;
    cell.bottom = cell.top + height - 3;
    if (i == pressed) cell = {cell.left + 1, cell.top + 1, cell.right + 1, cell.bottom + 1};
  }
  return cells;
}

int PaletteCellAt(const PaletteCells& cells, int x, int y) {
  for (int i = 0; i < kPaletteSize; ++i) {
    const Rect& cell = cells[static_cast<size_t>(i)];
    if (x >= cell.left && x < cell.right && y >= cell.top && y < cell.bottom) return i;
  }
  return -1;
}

}  // namespace korvix
