#pragma once

#include "document/kind_traits.h"
#include "document/korvix_doc.h"
#include "editor/editor_ports.h"
#include "editor/object_rects.h"
#include "editor/object_removal.h"
#include "render/page_view.h"
#include "render/view_state.h"
#include "render/view_window.h"

namespace korvix {

// What a property editor touches besides the record: the page view holds
// the selection count and the tracker, whose rectangle frames the object
// being edited.
struct PropertyFrame {
  CKorvixDoc& doc;
  const ViewState& view;
  PageView& page;
  ViewWindow& window;
  ChartMemoryHook& chartmemories;
};

// How a property dialog was left. Cancel is neither; OK and Delete are
// served independently of each other.
struct DialogOutcome {
  bool ok = false;
  bool remove = false;
};

// Per kind: the dialog's fields (`Fields`), `Load` from the record and
// `Store` back into it together with the kind's own consequences.
template <ScreenObjectKind K>
struct PropertyKind;

template <ScreenObjectKind K>
void WriteBackProperties(PropertyFrame& frame, int index, const typename PropertyKind<K>::Fields& fields) {
  PropertyKind<K>::Store(fields, ListOf<K>(frame.doc)[index]);
  frame.doc.SetModifiedFlag();
  // The tracker still frames the old place; the new one is drawn over the
  // erased old one, so it needs no erasing of its own.
  frame.window.InvalidateRect(frame.page.m_tracker.m_rect, true);
  const Rect rect = ObjectRects(frame.doc, frame.view, frame.page.m_runstates).Of(K, index);
  frame.window.InvalidateRect(rect, false);
  frame.page.m_tracker.m_rect = rect;
}

template <ScreenObjectKind K>
void DeleteFromProperties(PropertyFrame& frame, int index) {
  frame.window.InvalidateRect(frame.page.m_tracker.m_rect, true);
  RemoveObjectRecord<K>(frame.doc, frame.page, frame.chartmemories, index);
  frame.doc.SetModifiedFlag();
}

// The editor of object `index`: its fields go into the dialog that `run`
// shows, and come back only when the dialog ends with OK. The record is not
// touched while the dialog is open, so Cancel and a refused entry leave the
// project as it was.
template <ScreenObjectKind K, class Run>
void EditProperties(PropertyFrame& frame, int index, Run&& run) {
  typename PropertyKind<K>::Fields fields = PropertyKind<K>::Load(ListOf<K>(frame.doc)[index]);
  const DialogOutcome outcome = run(fields);
  if (outcome.ok) WriteBackProperties<K>(frame, index, fields);
  if (outcome.remove) DeleteFromProperties<K>(frame, index);
}

}  // namespace korvix
