#include "editor/id_labels.h"
#include "editor/object_rects.h"
#include "editor/page_editor.h"
#include "editor/stacking.h"

namespace korvix {

namespace {

// Where a new object goes, from the top left of the visible page.
constexpr int kPlaceOffsetX = 100;
constexpr int kPlaceOffsetY = 80;
constexpr int kChartPlaceOffsetX = 50;
constexpr int kChartPlaceOffsetY = 40;
// How far a new object steps aside from one of its kind in the same place.
constexpr int kNudgeStep = 10;
constexpr int kImageBoxWidth = 80;
constexpr int kImageBoxHeight = 100;
constexpr const char* kPlotFileExtension = ".txt";

}  // namespace

template <ScreenObjectKind K>
void CPageEditor::PlaceKind() {
  using Traits = KindTraits<K>;
  auto& list = ListOf<K>(m_doc);
  if (list.IsFull()) {
    m_messages.Show(kOverLimitCaption, Traits::kOverLimitMessage, MessageIcon::Warning);
    return;
  }
  EnsureCurrentPage();
  StackingCheck check(m_doc);
  PageRecord& page = m_doc.m_pages[m_doc.m_curpage];
  const bool chart = K == ScreenObjectKind::ChartRecorder;

  RecordOf<K> record;
  record.stacknum = page.objectcount;
  record.x = m_view.m_scrollx / m_view.m_fontfactor + (chart ? kChartPlaceOffsetX : kPlaceOffsetX);
  record.y = m_view.m_scrolly / m_view.m_fontfactor + (chart ? kChartPlaceOffsetY : kPlaceOffsetY);
  record.page = m_doc.m_curpage;
  if constexpr (!Traits::kLabelPrefix.empty()) record.idlabel = MakeUniqueIdLabel(m_doc, Traits::kLabelPrefix);
  if constexpr (K == ScreenObjectKind::TextBox) record.bgcolor = page.bgcolor;
  if constexpr (K == ScreenObjectKind::ImageBox) {
    record.width = kImageBoxWidth * m_view.m_fontfactor;
    record.height = kImageBoxHeight * m_view.m_fontfactor;
  }
  if constexpr (K == ScreenObjectKind::ChartRecorder) record.plotfile = record.idlabel + kPlotFileExtension;

  for (int i = 0; i < list.Count();) {
    if (list[i].x == record.x && list[i].y == record.y) {
      record.x += kNudgeStep;
      record.y += kNudgeStep;
      i = 0;
    } else {
      ++i;
    }
  }

  const int index = list.Add(std::move(record));
  ++page.objectcount;
  m_doc.SetModifiedFlag();
  m_window.InvalidateRect(ObjectRects(m_doc, m_view, m_page.m_runstates).Of(K, index), false);
  m_page.DeselectAll();
}

void CPageEditor::Place(ScreenObjectKind kind) {
  VisitKind(kind, [&](auto tag) { PlaceKind<decltype(tag)::value>(); });
}

}  // namespace korvix
