#pragma once

#include "render/rect.h"

namespace korvix {

// The unzoomed character cell of a size code; callers scale it by the Font
// Size factor. Unknown codes get the 16 x 45 cell.
Size FontCellSize(int sizecode);

// An extent on the grid: a remainder over half the spacing rounds up, an
// exact half (integer halving) rounds down.
constexpr int SnapExtent(int value, int gridsize) {
  const int remainder = value % gridsize;
  return remainder > gridsize / 2 ? value - remainder + gridsize : value - remainder;
}

}  // namespace korvix
