#include "render/clip_inside.h"

namespace korvix {

namespace {
// Beyond any device a page is drawn on.
constexpr int kFar = 1 << 20;
}  // namespace

void ClipInside(DeviceContext& dc, const Rect& rect) {
  dc.ExcludeClipRect({-kFar, -kFar, kFar, rect.top});
  dc.ExcludeClipRect({-kFar, rect.bottom, kFar, kFar});
  dc.ExcludeClipRect({-kFar, rect.top, rect.left, rect.bottom});
  dc.ExcludeClipRect({rect.right, rect.top, kFar, rect.bottom});
}

}  // namespace korvix
