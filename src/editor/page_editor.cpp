#include "editor/page_editor.h"

#include "editor/object_rects.h"

namespace korvix {

namespace {

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

CPageEditor::CPageEditor(CKorvixDoc& doc, ViewState& view, PageView& page, ViewWindow& window, MessageSink& messages,
                         ChartMemoryHook& chartmemories)
    : m_doc(doc), m_view(view), m_page(page), m_window(window), m_messages(messages), m_chartmemories(chartmemories) {}

void CPageEditor::EnsureCurrentPage() {
  if (m_doc.m_pages.Count() == 0) m_doc.m_pages.Add();
  if (m_doc.m_curpage < 1) m_doc.m_curpage = 1;
  if (m_doc.m_curpage > m_doc.m_pages.Count()) m_doc.m_curpage = m_doc.m_pages.Count();
}

Rect CPageEditor::ObjectRect(ScreenObject object) {
  return ObjectRects(m_doc, m_view, m_page.m_runstates).Of(object.kind, object.index);
}

void CPageEditor::OnInitialUpdate() {
  m_clipcount.fill(0);
  m_page.DeselectAll();
  m_view.m_dragstate = 0;
}

void CPageEditor::RedrawAll() {
  m_page.m_redrawall = 1;
  m_window.InvalidateRect(m_window.ClientRect(), true);
}

bool CPageEditor::IsSelected(ScreenObject object) const {
  return m_page.m_runstates.At(object.kind, object.index).selected != 0;
}

void CPageEditor::ToggleSelected(ScreenObject object) {
  int& selected = m_page.m_runstates.At(object.kind, object.index).selected;
  selected = selected ? 0 : 1;
  m_page.m_numselected += selected ? 1 : -1;
  m_window.InvalidateRect(ObjectRect(object), true);
}

void CPageEditor::SelectOnly(ScreenObject object) {
  m_page.DeselectAll();
  ToggleSelected(object);
}

std::vector<ScreenObject> CPageEditor::SelectedObjects() const {
  std::vector<ScreenObject> selected;
  ForEachObject(m_doc, [&](auto tag, int index, const auto&) {
    if (m_page.m_runstates.At(tag.value, index).selected) selected.push_back({tag.value, index});
  });
  return selected;
}

ScreenObject CPageEditor::HitTest(Point point) {
  ObjectRects rects(m_doc, m_view, m_page.m_runstates);
  for (const ScreenObject& object : PageObjectsFrontToBack(m_doc))
    if (Contains(rects.Of(object.kind, object.index), point)) return object;
  return {ScreenObjectKind::TextBox, -1};
}

void CPageEditor::InvalidateSelection(bool erase) {
  for (const ScreenObject& object : SelectedObjects()) m_window.InvalidateRect(ObjectRect(object), erase);
}

}  // namespace korvix
