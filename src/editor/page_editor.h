#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/korvix_doc.h"
#include "editor/editor_ports.h"
#include "editor/object_kinds.h"
#include "platform/message_sink.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

constexpr const char* kOverLimitCaption = "Over Limit";

// m_dragstate once the mouse moved during a group drag.
constexpr int kDragMoved = 0xFF;

// One object of the page by kind and index.
struct ObjectRef {
  ObjectKind kind = ObjectKind::TextBox;
  int index = -1;
  friend bool operator==(const ObjectRef&, const ObjectRef&) = default;
};

// The page editor's commands over the document: placing, selection, the
// clipboard, stacking order, nudging, the group move and the pages. Every
// command leaves each page's stacking numbers running from 0 to its
// objectcount - 1 without a gap or a repeat.
class CPageEditor {
public:
  CPageEditor(CKorvixDoc& doc, ViewState& view, MessageSink& messages, EditorWindow& window,
              ChartMemoryHook& chartmemories);

  CKorvixDoc& Doc() { return m_doc; }
  ViewState& View() { return m_view; }
  EditorWindow& Window() { return m_window; }

  // The security lock is on.
  bool Locked() const { return m_doc.m_lockon != 0; }
  // Locked without the permission to move and size objects.
  bool MovingLocked() const { return Locked() && m_doc.m_lockpermissions[0] == 0; }

  // Selection. m_numselected counts the selected objects of the page.
  int m_numselected = 0;
  void DeselectAll();
  void ToggleSelected(ObjectRef object);
  void SelectOnly(ObjectRef object);
  bool IsSelected(ObjectRef object) const;
  std::vector<ObjectRef> SelectedObjects() const;
  Rect ObjectRect(ObjectRef object);

  // The front-most object of the current page under a client point, or an
  // index of -1.
  ObjectRef HitTest(Point point);

  // Place-Object: a new object of the kind with its defaults, in front of
  // the page's others, near the top left of the visible part of the page.
  void Place(ObjectKind kind);
  void OnPlaceTextBox() { Place(ObjectKind::TextBox); }
  void OnPlaceImageBox() { Place(ObjectKind::ImageBox); }
  void OnPlaceDataWindow() { Place(ObjectKind::DataWindow); }
  void OnPlaceTextWindow() { Place(ObjectKind::TextWindow); }
  void OnPlaceInputWindow() { Place(ObjectKind::InputWindow); }
  void OnPlaceLevelGauge() { Place(ObjectKind::LevelGauge); }
  void OnPlaceDialGauge() { Place(ObjectKind::DialGauge); }
  void OnPlaceMeterGauge() { Place(ObjectKind::MeterGauge); }
  void OnPlaceVerticalGauge() { Place(ObjectKind::VerticalGauge); }
  void OnPlaceHorizontalGauge() { Place(ObjectKind::HorizontalGauge); }
  void OnPlaceDualHandGauge() { Place(ObjectKind::DualHandGauge); }
  void OnPlaceWindVane() { Place(ObjectKind::WindVane); }
  void OnPlacePivotTracker() { Place(ObjectKind::PivotTracker); }
  void OnPlaceSignalLamp() { Place(ObjectKind::SignalLamp); }
  void OnPlaceEventCounter() { Place(ObjectKind::EventCounter); }
  void OnPlaceEventTimer() { Place(ObjectKind::EventTimer); }
  void OnPlacePushButton() { Place(ObjectKind::PushButton); }
  void OnPlaceButtonArray() { Place(ObjectKind::ButtonArray); }
  void OnPlaceRockerSwitch() { Place(ObjectKind::RockerSwitch); }
  void OnPlaceSliderControl() { Place(ObjectKind::SliderControl); }
  void OnPlacePIController() { Place(ObjectKind::PIController); }
  void OnPlaceChartRecorder() { Place(ObjectKind::ChartRecorder); }

  // Edit menu. Cut and Copy refuse, with a message, a selection that holds
  // more objects of one kind than the kind's clipboard.
  void OnEditDelete();
  void OnEditCut();
  void OnEditCopy();
  void OnEditPaste();
  void OnEditBringToFront();
  void OnEditSendToBack();
  bool ClipboardEmpty() const;

  // Arrow keys: the selection moves by whole grid steps.
  void Nudge(int stepsx, int stepsy);

  // The group move of several selected objects; points in client pixels.
  void BeginGroupDrag(Point point);
  // The offset so far, on the grid.
  Point GroupDragOffset(Point point) const;
  // Where the selected objects would go if released at the point.
  std::vector<Rect> GroupDragFeedback(Point point);
  void EndGroupDrag(Point point);
  void CancelGroupDrag();

  // Page menu.
  void OnPageAdd();
  void OnPageDelete();
  void MovePage(int to);
  void GoToPage(int page);
  void OnPageFirst() { GoToPage(1); }
  void OnPagePrevious() { GoToPage(m_doc.m_curpage - 1); }
  void OnPageNext() { GoToPage(m_doc.m_curpage + 1); }
  void OnPageLast() { GoToPage(m_doc.m_pages.Count()); }
  void SetPageBackground(int color, const std::string& bitmapfile);

private:
  // A loaded project may name a page it does not have.
  void EnsureCurrentPage();
  template <ObjectKind K>
  void PlaceKind();
  template <ObjectKind K>
  void RemoveObject(int index);
  // Removes every object for which drop(record) is true.
  template <class Drop>
  void RemoveObjects(Drop drop);
  void RemoveObjectsOfPage(int page);
  template <ObjectKind K>
  void PasteKind(int slot);
  bool CopySelection();
  void DeleteSelection();
  void InvalidateSelection(bool erase);
  // Moves every selected object by a page-unit offset.
  void MoveSelection(int dx, int dy);

  CKorvixDoc& m_doc;
  ViewState& m_view;
  MessageSink& m_messages;
  EditorWindow& m_window;
  ChartMemoryHook& m_chartmemories;
  std::array<int, kObjectKindCount> m_clipcount{};
  Point m_dragorigin;
};

}  // namespace korvix
