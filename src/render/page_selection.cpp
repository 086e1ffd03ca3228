#include "render/page_view.h"

namespace korvix {

namespace {

// The permission that moving and sizing objects needs while the lock is on.
constexpr std::size_t kMoveAndSizePermission = 0;

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

void PageView::DeselectAll() {
  ForEachObject(m_doc, [&](auto tag, int i, const auto&) {
    ObjectRunState& state = m_runstates.At(tag.value, i);
    if (state.selected == 0) return;
    m_window.InvalidateRect(ObjectRect({tag.value, i}), true);
    state.selected = 0;
  });
  m_numselected = 0;
}

void PageView::CancelDragFeedback(DeviceContext& dc) {
  m_window.SetCursor(Cursor::Arrow);
  m_view.m_dragstate = 0;
  ForEachObject(m_doc, [&](auto tag, int i, const auto&) {
    const ObjectRunState& state = m_runstates.At(tag.value, i);
    if (state.selected == 0) return;
    dc.DrawFocusRect(state.screenrect);
    ObjectRect({tag.value, i});
  });
}

int PageView::TrackerCursor(Point point) {
  if (m_numselected != 1) return 0;
  if (m_doc.m_lockon != 0 && m_doc.m_lockpermissions[kMoveAndSizePermission] == 0) return 0;
  switch (m_tracker.HitTest(point)) {
    case kHandleRight:
    case kHandleLeft: m_window.SetCursor(Cursor::SizeWE); return 1;
    case kHandleTop:
    case kHandleBottom: m_window.SetCursor(Cursor::SizeNS); return 1;
    case kHandleTopRight:
    case kHandleBottomLeft: m_window.SetCursor(Cursor::SizeNESW); return 1;
    case kHandleTopLeft:
    case kHandleBottomRight: m_window.SetCursor(Cursor::SizeNWSE); return 1;
    default: return 0;
  }
}

bool PageView::OnSetCursor(Point point) {
  if (m_view.m_dragstate != 0) {
    m_window.SetCursor(Cursor::Move);
    return true;
  }
  for (const ScreenObject& object : PageObjectsFrontToBack(m_doc)) {
    if (!Contains(ObjectRect(object), point)) continue;
    // The front-most object under the point decides; an Image Box is never
    // sized by its handles.
    if (object.kind == ScreenObjectKind::ImageBox || !IsSelected(object)) return false;
    return TrackerCursor(point) != 0;
  }
  return false;
}

}  // namespace korvix
