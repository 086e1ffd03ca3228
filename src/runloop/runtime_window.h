#pragma once

#include "document/record_basics.h"
#include "document/screen_object_kind.h"

namespace korvix {

// What the Run-Loop needs of the window that shows the current page.
class RuntimeWindow {
public:
  virtual ~RuntimeWindow() = default;
  // The object is on the current page; its area is redrawn at the next paint.
  virtual void InvalidateObject(ScreenObjectKind kind, int index) = 0;
  // An area of the current page in client pixels, redrawn at the next paint
  // without erasing.
  virtual void InvalidateRect(const Rect& rect) = 0;
  // Paints what is invalid now, before the run begins.
  virtual void UpdateWindow() = 0;
  // Run mode starts with no object selected.
  virtual void DeselectAll() = 0;
};

}  // namespace korvix
