#include <algorithm>
#include <tuple>

#include "editor/id_labels.h"
#include "editor/object_rects.h"
#include "editor/object_removal.h"
#include "editor/page_editor.h"
#include "editor/stacking.h"
#include "recording/log_sources.h"
#include "render/editor_grid.h"

namespace korvix {

namespace {

constexpr const char* kClipboardFullMessage = "The clipboard can not hold more than 100 objects of one kind.";

// One arrow-key step in page units: the grid spacing at Font Size X 1.
constexpr int kNudgeUnits = 5;

}  // namespace

template <ScreenObjectKind K>
void CPageEditor::RemoveObject(int index) {
  if (ListOf<K>(m_doc)[index].page == m_doc.m_curpage)
    m_window.InvalidateRect(ObjectRects(m_doc, m_view, m_page.m_runstates).Of(K, index), true);
  RemoveObjectRecord<K>(m_doc, m_page, m_chartmemories, index);
}

template <class Drop>
void CPageEditor::RemoveObjects(Drop drop) {
  ForEachKind([&](auto tag) {
    auto& list = ListOf<decltype(tag)::value>(m_doc);
    for (int i = 0; i < list.Count();) {
      if (drop(list[i], m_page.m_runstates.At(tag.value, i)))
        RemoveObject<decltype(tag)::value>(i);
      else
        ++i;
    }
  });
}

void CPageEditor::RemoveObjectsOfPage(int page) {
  RemoveObjects([page](const auto& record, const ObjectRunState&) { return record.page == page; });
}

void CPageEditor::DeleteSelection() {
  StackingCheck check(m_doc);
  RemoveObjects([](const auto&, const ObjectRunState& state) { return state.selected != 0; });
  m_page.m_numselected = 0;
  m_doc.SetModifiedFlag();
}

bool CPageEditor::CopySelection() {
  bool fits = true;
  ForEachKind([&](auto tag) {
    const auto& list = ListOf<decltype(tag)::value>(m_doc);
    int selected = 0;
    for (int i = 0; i < list.Count(); ++i) selected += m_page.m_runstates.At(tag.value, i).selected != 0 ? 1 : 0;
    fits = fits && selected <= list.kSpareSlots;
  });
  if (!fits) {
    m_messages.Show(kOverLimitCaption, kClipboardFullMessage, MessageIcon::Warning);
    return false;
  }
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    auto& list = ListOf<K>(m_doc);
    int slot = 0;
    for (int i = 0; i < list.Count(); ++i) {
      if (!m_page.m_runstates.At(K, i).selected) continue;
      list.Spare(slot) = list[i];
      if constexpr (K == ScreenObjectKind::ChartRecorder) m_chartmemories.TransferChartMemory(i, list.kLimit + slot);
      ++slot;
    }
    m_clipcount[static_cast<size_t>(KindIndex(K))] = slot;
  });
  return true;
}

bool CPageEditor::ClipboardEmpty() const {
  return std::all_of(m_clipcount.begin(), m_clipcount.end(), [](int count) { return count == 0; });
}

void CPageEditor::OnEditDelete() {
  if (m_page.m_numselected == 0) return;
  DeleteSelection();
}

void CPageEditor::OnEditCut() {
  if (m_page.m_numselected == 0 || !CopySelection()) return;
  DeleteSelection();
}

void CPageEditor::OnEditCopy() {
  if (m_page.m_numselected == 0) return;
  CopySelection();
}

template <ScreenObjectKind K>
void CPageEditor::PasteKind(int slot) {
  auto& list = ListOf<K>(m_doc);
  PageRecord& page = m_doc.m_pages[m_doc.m_curpage];
  RecordOf<K> record = list.Spare(slot);
  record.page = m_doc.m_curpage;
  record.stacknum = page.objectcount;
  // The columns went with the original: a copy starts unlogged.
  for (auto column : KindTraits<K>::kLogColumns) record.*column.field = kNoLogColumn;
  if constexpr (!KindTraits<K>::kLabelPrefix.empty()) {
    if (IdLabelTaken(m_doc, record.idlabel)) record.idlabel = MakeUniqueIdLabel(m_doc, KindTraits<K>::kLabelPrefix);
  }
  const int index = list.Add(std::move(record));
  ++page.objectcount;
  m_page.m_runstates.At(K, index).selected = 1;
  ++m_page.m_numselected;
  if constexpr (K == ScreenObjectKind::ChartRecorder) m_chartmemories.TransferChartMemory(list.kLimit + slot, index);
  m_window.InvalidateRect(ObjectRects(m_doc, m_view, m_page.m_runstates).Of(K, index), false);
}

void CPageEditor::OnEditPaste() {
  if (ClipboardEmpty()) return;
  bool refused = false;
  ForEachKind([&](auto tag) {
    const auto& list = ListOf<decltype(tag)::value>(m_doc);
    if (refused || list.Count() + m_clipcount[static_cast<size_t>(KindIndex(tag.value))] <= list.kLimit) return;
    m_messages.Show(kOverLimitCaption, KindTraits<decltype(tag)::value>::kOverLimitMessage, MessageIcon::Warning);
    refused = true;
  });
  if (refused) return;
  EnsureCurrentPage();
  StackingCheck check(m_doc);
  m_page.DeselectAll();
  // The pasted objects keep their order of stacking among themselves.
  std::vector<std::tuple<int, int, int>> order;  // stacknum, kind, slot
  ForEachKind([&](auto tag) {
    auto& list = ListOf<decltype(tag)::value>(m_doc);
    for (int slot = 0; slot < m_clipcount[static_cast<size_t>(KindIndex(tag.value))]; ++slot)
      order.emplace_back(list.Spare(slot).stacknum, KindIndex(tag.value), slot);
  });
  std::sort(order.begin(), order.end());
  for (const auto& [stacknum, kind, slot] : order)
    VisitKind(static_cast<ScreenObjectKind>(kind), [&](auto tag) { PasteKind<decltype(tag)::value>(slot); });
  m_doc.SetModifiedFlag();
}

void CPageEditor::OnEditBringToFront() {
  if (m_page.m_numselected == 0) return;
  EnsureCurrentPage();
  StackingCheck check(m_doc);
  if (BringSelectedToFront(m_doc, m_page.m_runstates, m_doc.m_curpage) == 0) return;
  InvalidateSelection(false);
  m_doc.SetModifiedFlag();
}

void CPageEditor::OnEditSendToBack() {
  if (m_page.m_numselected == 0) return;
  EnsureCurrentPage();
  StackingCheck check(m_doc);
  if (SendSelectedToBack(m_doc, m_page.m_runstates, m_doc.m_curpage) == 0) return;
  InvalidateSelection(true);
  m_doc.SetModifiedFlag();
}

// The edges are held at 0.
void CPageEditor::MoveSelection(int dx, int dy) {
  ObjectRects rects(m_doc, m_view, m_page.m_runstates);
  ForEachObject(m_doc, [&](auto tag, int index, auto& record) {
    if (!m_page.m_runstates.At(tag.value, index).selected) return;
    m_window.InvalidateRect(rects.Of(tag.value, index), true);
    record.x = std::max(record.x + dx, 0);
    record.y = std::max(record.y + dy, 0);
    m_window.InvalidateRect(rects.Of(tag.value, index), false);
  });
  m_doc.SetModifiedFlag();
}

void CPageEditor::Nudge(int stepsx, int stepsy) {
  if (m_page.m_numselected == 0 || MovingLocked() || (stepsx == 0 && stepsy == 0)) return;
  MoveSelection(stepsx * kNudgeUnits, stepsy * kNudgeUnits);
}

// The feedback starts from where the selection lies now, so the cached
// rectangles are brought up to date before the drag stops caching them.
void CPageEditor::BeginGroupDrag(Point point) {
  InvalidateSelection(false);
  m_dragorigin = {SnapToGrid(m_view, point.x), SnapToGrid(m_view, point.y)};
  m_view.m_dragstate = 1;
}

Point CPageEditor::GroupDragOffset(Point point) const {
  return {SnapToGrid(m_view, point.x) - m_dragorigin.x, SnapToGrid(m_view, point.y) - m_dragorigin.y};
}

std::vector<Rect> CPageEditor::GroupDragFeedback(Point point) {
  m_view.m_dragstate = kDragMoved;
  const Point offset = GroupDragOffset(point);
  std::vector<Rect> rects;
  ForEachObject(m_doc, [&](auto tag, int index, const auto&) {
    const ObjectRunState& state = m_page.m_runstates.At(tag.value, index);
    if (state.selected) rects.push_back(Offset(state.screenrect, offset.x, offset.y));
  });
  return rects;
}

void CPageEditor::EndGroupDrag(Point point) {
  const bool moved = m_view.m_dragstate == kDragMoved;
  const Point offset = GroupDragOffset(point);
  m_view.m_dragstate = 0;
  if (!moved || (offset.x == 0 && offset.y == 0)) return;
  MoveSelection(offset.x / m_view.m_fontfactor, offset.y / m_view.m_fontfactor);
}

void CPageEditor::CancelGroupDrag() { m_view.m_dragstate = 0; }

}  // namespace korvix
