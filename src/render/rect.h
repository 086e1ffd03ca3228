#pragma once

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

// Device pixels; right and bottom lie just outside the area, so the width is
// right - left.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }

  // Grows each side outwards; negative amounts shrink.
  Rect Inflated(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
  Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }

  friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace korvix
