#pragma once

#include <vector>

#include "render/view_window.h"

namespace korvix {

// Keeps what page drawing and the selection ask of the window.
class FakeViewWindow final : public ViewWindow {
public:
  struct Invalidation {
    Rect rect;
    bool erase;
    friend bool operator==(const Invalidation&, const Invalidation&) = default;
  };

  Rect ClientRect() const override { return clientrect; }
  void InvalidateRect(const Rect& rect, bool erase) override { invalidated.push_back({rect, erase}); }
  void SetCursor(Cursor shape) override { cursors.push_back(shape); }
  void SetScrollExtent(Size size) override { extents.push_back(size); }

  Rect clientrect{0, 0, 640, 480};
  std::vector<Invalidation> invalidated;
  std::vector<Cursor> cursors;
  std::vector<Size> extents;
};

}  // namespace korvix
