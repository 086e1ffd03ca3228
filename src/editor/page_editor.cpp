#include "editor/page_editor.h"

#include "editor/object_rects.h"

namespace korvix {

namespace {

bool Contains(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

}  // namespace

CPageEditor::CPageEditor(CKorvixDoc& doc, ViewState& view, MessageSink& messages, EditorWindow& window,
                         ChartMemoryHook& chartmemories)
    : m_doc(doc),
      m_view(view),
      m_messages(messages),
      m_window(window),
      m_chartmemories(chartmemories) {}

void CPageEditor::EnsureCurrentPage() {
  if (m_doc.m_pages.Count() == 0) m_doc.m_pages.Add();
  if (m_doc.m_curpage < 1) m_doc.m_curpage = 1;
  if (m_doc.m_curpage > m_doc.m_pages.Count()) m_doc.m_curpage = m_doc.m_pages.Count();
}

Rect CPageEditor::ObjectRect(ObjectRef object) { return ObjectRects(m_doc, m_view).Of(object.kind, object.index); }

void CPageEditor::DeselectAll() {
  ObjectRects rects(m_doc, m_view);
  ForEachObject(m_doc, [&](auto tag, int index, auto& record) {
    if (!record.selected) return;
    m_window.InvalidateRect(rects.Of<decltype(tag)::value>(index), true);
    record.selected = 0;
  });
  m_numselected = 0;
}

bool CPageEditor::IsSelected(ObjectRef object) const {
  bool selected = false;
  VisitKind(object.kind, [&](auto tag) { selected = ListOf<decltype(tag)::value>(m_doc)[object.index].selected != 0; });
  return selected;
}

void CPageEditor::ToggleSelected(ObjectRef object) {
  VisitKind(object.kind, [&](auto tag) {
    int& selected = ListOf<decltype(tag)::value>(m_doc)[object.index].selected;
    selected = selected ? 0 : 1;
    m_numselected += selected ? 1 : -1;
  });
  m_window.InvalidateRect(ObjectRect(object), true);
}

void CPageEditor::SelectOnly(ObjectRef object) {
  DeselectAll();
  ToggleSelected(object);
}

std::vector<ObjectRef> CPageEditor::SelectedObjects() const {
  std::vector<ObjectRef> selected;
  ForEachObject(m_doc, [&](auto tag, int index, const auto& record) {
    if (record.selected) selected.push_back({decltype(tag)::value, index});
  });
  return selected;
}

// The highest stacking number wins; within one layer the kind order.
ObjectRef CPageEditor::HitTest(Point point) {
  ObjectRects rects(m_doc, m_view);
  ObjectRef hit;
  int layer = -1;
  ForEachObject(m_doc, [&](auto tag, int index, auto& record) {
    if (record.page != m_doc.m_curpage || record.stacknum <= layer) return;
    if (Contains(rects.Of<decltype(tag)::value>(index), point)) {
      hit = {decltype(tag)::value, index};
      layer = record.stacknum;
    }
  });
  return hit;
}

void CPageEditor::InvalidateSelection(bool erase) {
  for (const ObjectRef& object : SelectedObjects()) m_window.InvalidateRect(ObjectRect(object), erase);
}

}  // namespace korvix
