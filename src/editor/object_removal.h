#pragma once

#include "document/kind_traits.h"
#include "document/korvix_doc.h"
#include "editor/editor_ports.h"
#include "editor/stacking.h"
#include "recording/log_sources.h"
#include "render/page_view.h"

namespace korvix {

// Takes one object out of the project: its data-log columns, its layer on
// its page, a Chart Recorder's samples, its share of the selection count,
// and finally its record and the view's run-time states of it, the later
// ones moving down one place together. The page
// editor's deletes and the property dialogs' Delete buttons both end here,
// so an object leaves the project the same way whichever removes it.
template <ScreenObjectKind K>
void RemoveObjectRecord(CKorvixDoc& doc, PageView& page, ChartMemoryHook& chartmemories, int index) {
  auto& list = ListOf<K>(doc);
  auto& record = list[index];
  // Each call renumbers the later columns, this record's others included,
  // so every field is read just before it is handed over.
  for (auto column : KindTraits<K>::kLogColumns) RemoveLogColumn(doc, record.*column.field);
  CloseStackGap(doc, record.page, record.stacknum);
  if constexpr (K == ScreenObjectKind::ChartRecorder) chartmemories.RemoveChartMemory(index, list.Count());
  if (page.m_runstates.At(K, index).selected) --page.m_numselected;
  list.Remove(index);
  page.ForgetObject(K, index);
}

}  // namespace korvix
