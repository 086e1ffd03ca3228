#include "render/page_view.h"

namespace korvix {

PageView::PageView(CKorvixDoc& doc, ViewState& view, ViewWindow& window, BitmapCache::Loader loader,
                   ObjectStates& states, PageRunSources run)
    : m_runstates(states.runstates),
      m_geometry(states.geometry),
      m_inputwindowstates(states.inputwindows),
      m_chartgeometry(doc, view, states.runstates),
      m_bitmaps(std::move(loader)),
      m_doc(doc),
      m_view(view),
      m_window(window),
      m_run(run) {
  m_tracker.m_gridstep = view.m_gridsize;
}

void PageView::ForgetObject(ScreenObjectKind kind, int index) {
  m_runstates.Remove(kind, index);
  if (kind == ScreenObjectKind::InputWindow) m_inputwindowstates.Remove(index);
  if (kind == ScreenObjectKind::PivotTracker) m_pivottrackerstates.Remove(index);
}

void PageView::ForgetObjects() {
  m_runstates.Clear();
  m_numselected = 0;
}

bool PageView::IsSelected(ScreenObject object) { return m_runstates.At(object.kind, object.index).selected != 0; }

}  // namespace korvix
