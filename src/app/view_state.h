#pragma once

namespace korvix {

// The view's run-time state that logic reads and changes; the widget only
// holds it, so that the logic runs without a window.
struct ViewState {
  int m_fontfactor = 1;  // zoom of every object: 1, 2 or 3
  int m_gridsize = 5;    // always 5 x m_fontfactor
  int m_scrollx = 0;     // scroll offset in pixels
  int m_scrolly = 0;
  int m_dragstate = 0;   // non-zero while objects are dragged

  // Factors outside 1..3 become 1.
  void SetFontFactor(int factor) {
    m_fontfactor = factor >= 1 && factor <= 3 ? factor : 1;
    m_gridsize = 5 * m_fontfactor;
  }
};

}  // namespace korvix
