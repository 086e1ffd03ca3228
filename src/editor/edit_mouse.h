#pragma once

#include <vector>

#include "editor/editor_ports.h"
#include "editor/page_editor.h"
#include "render/page_view.h"
#include "render/rect.h"

namespace korvix {

// The key flags that come with a press.
constexpr unsigned kKeyShift = 0x4;
constexpr unsigned kKeyControl = 0x8;

// The left button in edit mode: selecting with Shift and Ctrl toggling, the
// group drag of a selection, and moving or sizing one object through the
// page view's tracker; the right button opens property editors. A press
// starts a tracking that the moves and the release carry on, so the window
// never waits inside a handler.
class CEditMouse {
public:
  CEditMouse(CKorvixDoc& doc, ViewState& view, PageView& page, ViewWindow& window, CPageEditor& editor,
             PropertyEditors& editors);

  void OnLButtonDown(unsigned flags, Point point);
  void OnLButtonDblClk(unsigned flags, Point point) { OnLButtonDown(flags, point); }
  void OnMouseMove(Point point);
  void OnLButtonUp(Point point);
  void OnRButtonDown(Point point);
  // A lost focus ends a press or a drag without storing it: the point where
  // the focus went is no place the user chose.
  void OnKillFocus();
  // Edit > Properties: the editor of every selected object.
  void OnEditProperties();
  bool CanEditProperties() const;

  // What the window shows while the mouse is held: the tracked rectangle,
  // or the selection's focus rectangles during a group drag.
  const std::vector<Rect>& Feedback() const { return m_feedback; }
  bool Tracking() const { return m_tracking; }

private:
  void Cancel();

  CKorvixDoc& m_doc;
  ViewState& m_view;
  PageView& m_page;
  ViewWindow& m_window;
  CPageEditor& m_editor;
  PropertyEditors& m_editors;

  bool m_tracking = false;
  bool m_moveonly = false;
  ScreenObject m_object{ScreenObjectKind::TextBox, -1};
  int m_handle = kHitNothing;
  Point m_start;
  Rect m_startrect;
  Rect m_trackrect;
  std::vector<Rect> m_feedback;
};

}  // namespace korvix
