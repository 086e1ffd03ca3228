#include "editor/edit_mouse.h"

#include "editor/resize_rules.h"

namespace korvix {

namespace {

// The rectangle of a base tracking step: the handle's edges follow the
// mouse, the middle moves the whole rectangle.
Rect Dragged(const Rect& start, int handle, int dx, int dy) {
  Rect r = start;
  if (handle == kHandleMiddle) return Offset(start, dx, dy);
  if (handle == kHandleTopLeft || handle == kHandleBottomLeft || handle == kHandleLeft) r.left += dx;
  if (handle == kHandleTopRight || handle == kHandleBottomRight || handle == kHandleRight) r.right += dx;
  if (handle == kHandleTopLeft || handle == kHandleTopRight || handle == kHandleTop) r.top += dy;
  if (handle == kHandleBottomLeft || handle == kHandleBottomRight || handle == kHandleBottom) r.bottom += dy;
  return r;
}

}  // namespace

CEditMouse::CEditMouse(CKorvixDoc& doc, ViewState& view, PageView& page, ViewWindow& window, CPageEditor& editor,
                       PropertyEditors& editors)
    : m_doc(doc), m_view(view), m_page(page), m_window(window), m_editor(editor), m_editors(editors) {}

void CEditMouse::OnLButtonDown(unsigned flags, Point point) {
  if (m_tracking || m_view.m_dragstate != 0) Cancel();
  const bool toggle = (flags & (kKeyShift | kKeyControl)) != 0;
  const ScreenObject object = m_editor.HitTest(point);
  if (object.index < 0) {
    if (!toggle) m_page.DeselectAll();
    return;
  }
  CObjectTracker& tracker = m_page.m_tracker;
  tracker.m_rect = m_editor.ObjectRect(object);
  tracker.m_allhandles = ShowsAllHandles(object.kind) ? 1 : 0;
  tracker.m_gridstep = m_view.m_gridsize;
  m_window.InvalidateRect(tracker.m_rect, false);

  if (toggle) {
    m_editor.ToggleSelected(object);
    return;
  }
  if (m_editor.IsSelected(object) && m_page.m_numselected > 1) {
    if (m_editor.MovingLocked()) return;
    m_editor.BeginGroupDrag(point);
    m_window.SetCursor(Cursor::Move);
    return;
  }
  m_editor.SelectOnly(object);
  if (m_editor.MovingLocked()) return;

  const int handle = tracker.HitTest(point);
  const ResizeRule rule = ResizeRuleOf(m_doc, m_view, object);
  m_moveonly = handle == kHandleMiddle || !rule.resizable;
  m_handle = m_moveonly ? kHandleMiddle : handle;
  if (m_moveonly) {
    m_window.SetCursor(Cursor::Move);
  } else {
    tracker.m_sizemin = rule.minimum;
    tracker.m_proportion = rule.proportion;
  }
  m_object = object;
  m_start = point;
  m_startrect = tracker.m_rect;
  m_trackrect = tracker.m_rect;
  m_tracking = true;
  m_feedback = {m_trackrect};
}

void CEditMouse::OnMouseMove(Point point) {
  if (m_tracking) {
    Rect rect = Dragged(m_startrect, m_handle, point.x - m_start.x, point.y - m_start.y);
    m_page.m_tracker.AdjustRect(m_handle, rect);
    m_trackrect = rect;
    m_feedback = {rect};
  } else if (m_view.m_dragstate != 0) {
    m_feedback = m_editor.GroupDragFeedback(point);
  }
}

void CEditMouse::OnLButtonUp(Point point) {
  if (m_view.m_dragstate != 0) {
    m_editor.EndGroupDrag(point);
    m_window.SetCursor(Cursor::Arrow);
    m_feedback.clear();
    return;
  }
  if (!m_tracking) return;
  OnMouseMove(point);
  m_tracking = false;
  m_feedback.clear();
  CObjectTracker& tracker = m_page.m_tracker;
  tracker.m_proportion = CObjectTracker::kProportionFree;
  if (point == m_start || m_trackrect == m_startrect) return;
  m_window.InvalidateRect(m_startrect, true);
  StoreTrackedRect(m_doc, m_view, m_object, m_trackrect, m_moveonly);
  tracker.m_rect = m_editor.ObjectRect(m_object);
  m_window.InvalidateRect(tracker.m_rect, false);
  m_doc.SetModifiedFlag();
}

void CEditMouse::Cancel() {
  m_tracking = false;
  m_page.m_tracker.m_proportion = CObjectTracker::kProportionFree;
  m_editor.CancelGroupDrag();
  m_window.SetCursor(Cursor::Arrow);
  m_feedback.clear();
}

void CEditMouse::OnKillFocus() { Cancel(); }

void CEditMouse::OnRButtonDown(Point point) {
  if (m_tracking || m_view.m_dragstate != 0) {
    Cancel();
    return;
  }
  if (m_editor.Locked()) return;
  const ScreenObject object = m_editor.HitTest(point);
  if (object.index < 0) {
    m_editors.EditPageBackground();
    return;
  }
  m_editor.SelectOnly(object);
  m_page.m_tracker.m_rect = m_editor.ObjectRect(object);
  m_editors.OpenPropertyEditor(object.kind, object.index);
}

bool CEditMouse::CanEditProperties() const { return m_page.m_numselected == 1 && !m_editor.Locked(); }

void CEditMouse::OnEditProperties() {
  if (!CanEditProperties()) return;
  for (const ScreenObject& object : m_editor.SelectedObjects()) {
    m_page.m_tracker.m_rect = m_editor.ObjectRect(object);
    m_editors.OpenPropertyEditor(object.kind, object.index);
  }
}

}  // namespace korvix
