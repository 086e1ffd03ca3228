#pragma once

namespace korvix {

// The view settings that object geometry and drawing read.
struct ViewState {
  int m_fontfactor = 1;  // Font Size X 1, 2 or 3
  int m_gridsize = 5;    // always 5 x m_fontfactor
  int m_scrollx = 0;     // scroll position in pixels
  int m_scrolly = 0;
  int m_dragstate = 0;  // non-zero while objects are dragged in edit mode

  // Factors outside 1..3 become 1, so a damaged profile or project cannot
  // zoom the page out of shape.
  void SetFontFactor(int factor) {
    m_fontfactor = factor >= 1 && factor <= 3 ? factor : 1;
    m_gridsize = 5 * m_fontfactor;
  }
};

// At Font Size X 2 and 3 every 3-D edge has twice as many lines.
inline bool DoubleEdges(const ViewState& view) { return view.m_fontfactor >= 2; }

}  // namespace korvix
