#pragma once

#include "render/rect.h"

namespace korvix {

// The mouse cursors the page editor shows; the window maps them onto its
// toolkit's shapes.
enum class Cursor {
  Arrow,
  Move,      // four-way, while objects are dragged
  SizeWE,    // west-east
  SizeNS,    // north-south
  SizeNESW,  // north-east / south-west
  SizeNWSE,  // north-west / south-east
};

// What page drawing and the selection need of the window that shows the
// page.
class ViewWindow {
public:
  virtual ~ViewWindow() = default;

  // In client coordinates, so its top-left corner is (0, 0).
  virtual Rect ClientRect() const = 0;
  // Marks an area for the next repaint; erase asks for the background too.
  virtual void InvalidateRect(const Rect& rect, bool erase) = 0;
  virtual void SetCursor(Cursor cursor) = 0;
  // The size in pixels of everything the page shows, unscrolled.
  virtual void SetScrollExtent(Size extent) = 0;
};

}  // namespace korvix
