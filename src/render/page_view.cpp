#include "render/page_view.h"

namespace korvix {

PageView::PageView(CKorvixDoc& doc, ViewState& view, ViewWindow& window, BitmapCache::Loader loader)
    : m_geometry(doc, view),
      m_chartgeometry(doc, view),
      m_bitmaps(std::move(loader)),
      m_doc(doc),
      m_view(view),
      m_window(window) {
  m_tracker.m_gridstep = view.m_gridsize;
}

bool PageView::IsSelected(ScreenObject object) {
  bool selected = false;
  WithRecord(m_doc, object.kind, object.index, [&](const auto& r) { selected = r.selected != 0; });
  return selected;
}

}  // namespace korvix
