#include <algorithm>

#include "editor/page_editor.h"
#include "editor/stacking.h"

namespace korvix {

void CPageEditor::OnPageAdd() {
  if (m_doc.m_pages.IsFull()) {
    m_messages.Show(kOverLimitCaption, kTooManyPagesMessage, MessageIcon::Warning);
    return;
  }
  EnsureCurrentPage();
  m_page.DeselectAll();
  m_doc.m_curpage = m_doc.m_pages.Add();
  m_doc.SetModifiedFlag();
  RedrawAll();
}

void CPageEditor::OnPageDelete() {
  EnsureCurrentPage();
  StackingCheck check(m_doc);
  m_page.DeselectAll();
  const int page = m_doc.m_curpage;
  RemoveObjectsOfPage(page);
  ForEachObject(m_doc, [&](auto, int, auto& record) {
    if (record.page > page) --record.page;
  });
  m_doc.m_pages.Remove(page);
  // A project always has a page to show.
  if (m_doc.m_pages.Count() == 0) m_doc.m_pages.Add();
  m_doc.m_curpage = std::min(page, m_doc.m_pages.Count());
  m_doc.SetModifiedFlag();
  RedrawAll();
}

void CPageEditor::MovePage(int to) {
  EnsureCurrentPage();
  const int from = m_doc.m_curpage;
  to = std::clamp(to, 1, m_doc.m_pages.Count());
  if (to == from) return;
  StackingCheck check(m_doc);
  ForEachObject(m_doc, [&](auto, int, auto& record) {
    if (record.page == from)
      record.page = to;
    else if (from < to && record.page > from && record.page <= to)
      --record.page;
    else if (to < from && record.page >= to && record.page < from)
      ++record.page;
  });
  PageRecord moved = m_doc.m_pages[from];
  m_doc.m_pages.Remove(from);
  PageList pages;
  for (int page = 1; page <= m_doc.m_pages.Count() + 1; ++page) {
    if (page == to)
      pages.Add(moved);
    else
      pages.Add(m_doc.m_pages[page < to ? page : page - 1]);
  }
  m_doc.m_pages = std::move(pages);
  m_doc.m_curpage = to;
  m_doc.SetModifiedFlag();
  RedrawAll();
}

// A selection never reaches past the page it was made on.
void CPageEditor::GoToPage(int page) {
  EnsureCurrentPage();
  if (page < 1 || page > m_doc.m_pages.Count() || page == m_doc.m_curpage) return;
  m_page.DeselectAll();
  m_doc.m_curpage = page;
  RedrawAll();
}

void CPageEditor::SetPageBackground(int color, const std::string& bitmapfile) {
  EnsureCurrentPage();
  PageRecord& page = m_doc.m_pages[m_doc.m_curpage];
  page.bgcolor = color;
  page.bgbitmapfile = bitmapfile;
  m_doc.SetModifiedFlag();
  RedrawAll();
}

}  // namespace korvix
