#include "render/edge_lines.h"

#include "render/selection.h"

namespace korvix {

namespace {

void TopLeftLine(DeviceContext& dc, const Rect& r, int k, Colour colour) {
  SelectedPen pen(dc, SolidPen(1, colour));
  dc.MoveTo({r.left + k, r.bottom - 1 - k});
  dc.LineTo({r.left + k, r.top + k});
  dc.LineTo({r.right - k, r.top + k});
}

void BottomRightLine(DeviceContext& dc, const Rect& r, int k, Colour colour) {
  SelectedPen pen(dc, SolidPen(1, colour));
  dc.MoveTo({r.left + 1 + k, r.bottom - 1 - k});
  dc.LineTo({r.right - 1 - k, r.bottom - 1 - k});
  dc.LineTo({r.right - 1 - k, r.top + k});
}

}  // namespace

void DrawEdgedFace(DeviceContext& dc, const Rect& rect, Colour face, std::span<const Colour> topleft,
                   std::span<const Colour> bottomright) {
  {
    SelectedBrush brush(dc, SolidBrush(face));
    dc.Rectangle(rect);
  }
  for (std::size_t k = 0; k < topleft.size(); ++k) TopLeftLine(dc, rect, static_cast<int>(k), topleft[k]);
  for (std::size_t k = 0; k < bottomright.size(); ++k) BottomRightLine(dc, rect, static_cast<int>(k), bottomright[k]);
}

}  // namespace korvix
