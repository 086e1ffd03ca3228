#pragma once

// The records keep their cached screen rectangles in the document's Rect, so
// drawing takes the very same type.
#include "document/record_basics.h"

namespace korvix {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A Rect's right and bottom lie just outside its area, so its width is
// right - left.
constexpr int Width(const Rect& r) { return r.right - r.left; }
constexpr int Height(const Rect& r) { return r.bottom - r.top; }
constexpr bool IsEmpty(const Rect& r) { return r.right <= r.left || r.bottom <= r.top; }

// Grows each side outwards; negative amounts shrink.
constexpr Rect Inflated(const Rect& r, int dx, int dy) {
  return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}
constexpr Rect Offset(const Rect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace korvix
