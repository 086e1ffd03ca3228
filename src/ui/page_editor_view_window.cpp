#include "ui/page_editor_view_window.h"

#include "ui/korvix_view.h"

namespace korvix {

namespace {

Qt::CursorShape ShapeOf(Cursor cursor) {
  switch (cursor) {
    case Cursor::Arrow: return Qt::ArrowCursor;
    case Cursor::Move: return Qt::SizeAllCursor;
    case Cursor::SizeWE: return Qt::SizeHorCursor;
    case Cursor::SizeNS: return Qt::SizeVerCursor;
    case Cursor::SizeNESW: return Qt::SizeBDiagCursor;
    case Cursor::SizeNWSE: return Qt::SizeFDiagCursor;
  }
  return Qt::ArrowCursor;
}

}  // namespace

Rect PageEditorViewWindow::ClientRect() const {
  const QSize size = m_view.viewport()->size();
  return {0, 0, size.width(), size.height()};
}

// The paint always starts from the background, so erasing asks nothing more.
void PageEditorViewWindow::InvalidateRect(const Rect& rect, bool) {
  m_view.viewport()->update(QRect(rect.left, rect.top, Width(rect), Height(rect)));
}

void PageEditorViewWindow::SetCursor(Cursor cursor) { m_view.viewport()->setCursor(ShapeOf(cursor)); }

void PageEditorViewWindow::SetScrollExtent(Size extent) { m_view.SetPageExtent(QSize(extent.cx, extent.cy)); }

}  // namespace korvix
