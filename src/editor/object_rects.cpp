#include "editor/object_rects.h"

namespace korvix {

Rect ObjectRects::Of(ScreenObjectKind kind, int index) {
  Rect rect;
  VisitKind(kind, [&](auto tag) { rect = Of<decltype(tag)::value>(index); });
  return rect;
}

}  // namespace korvix
