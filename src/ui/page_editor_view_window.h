#pragma once

#include "render/view_window.h"

namespace korvix {

class CKorvixView;

// The page's window as the drawing and the editor see it: the view's
// viewport, in client pixels.
class PageEditorViewWindow final : public ViewWindow {
public:
  explicit PageEditorViewWindow(CKorvixView& view) : m_view(view) {}

  Rect ClientRect() const override;
  void InvalidateRect(const Rect& rect, bool erase) override;
  void SetCursor(Cursor cursor) override;
  void SetScrollExtent(Size extent) override;

private:
  CKorvixView& m_view;
};

}  // namespace korvix
