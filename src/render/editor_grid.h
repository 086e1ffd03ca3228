#pragma once

#include "render/font_cell.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// A coordinate on the nearest grid line: a remainder over half the grid
// rounds up, an exact half down, and a negative coordinate moves towards 0.
inline int SnapToGrid(const ViewState& view, int v) { return SnapExtent(v, view.m_gridsize); }

inline Point RectCenter(const Rect& rect) { return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}; }

}  // namespace korvix
