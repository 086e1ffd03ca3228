#pragma once

namespace korvix {

// The view settings that object drawing reads.
struct ViewState {
  int m_fontfactor = 1;  // Font Size X 1, 2 or 3
};

// At Font Size X 2 and 3 every 3-D edge has twice as many lines.
inline bool DoubleEdges(const ViewState& view) { return view.m_fontfactor >= 2; }

}  // namespace korvix
