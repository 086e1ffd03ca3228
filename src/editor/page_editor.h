#pragma once

#include <array>
#include <string>
#include <vector>

#include "document/kind_traits.h"
#include "document/korvix_doc.h"
#include "editor/editor_ports.h"
#include "platform/message_sink.h"
#include "render/page_view.h"
#include "render/rect.h"
#include "render/view_state.h"
#include "render/view_window.h"

namespace korvix {

constexpr const char* kOverLimitCaption = "Over Limit";

// m_dragstate once the mouse moved during a group drag.
constexpr int kDragMoved = 0xFF;

// The page editor's commands over the document: placing, selection, the
// clipboard, stacking order, nudging, the group move and the pages. Every
// command leaves each page's stacking numbers running from 0 to its
// objectcount - 1 without a gap or a repeat.
class CPageEditor {
public:
  CPageEditor(CKorvixDoc& doc, ViewState& view, PageView& page, ViewWindow& window, MessageSink& messages,
              ChartMemoryHook& chartmemories);

  // The security lock is on.
  bool Locked() const { return m_doc.m_lockon != 0; }
  // Locked without the permission to move and size objects.
  bool MovingLocked() const { return Locked() && m_doc.m_lockpermissions[0] == 0; }

  // Selection; the page view keeps the count.
  void ToggleSelected(ScreenObject object);
  void SelectOnly(ScreenObject object);
  bool IsSelected(ScreenObject object) const;
  std::vector<ScreenObject> SelectedObjects() const;
  Rect ObjectRect(ScreenObject object);

  // The front-most object of the current page under a client point, or an
  // index of -1: the highest layer first, the kind order within a layer.
  ScreenObject HitTest(Point point);

  // Place-Object: a new object of the kind with its defaults, in front of
  // the page's others, near the top left of the visible part of the page.
  void Place(ScreenObjectKind kind);
  void OnPlaceTextBox() { Place(ScreenObjectKind::TextBox); }
  void OnPlaceImageBox() { Place(ScreenObjectKind::ImageBox); }
  void OnPlaceDataWindow() { Place(ScreenObjectKind::DataWindow); }
  void OnPlaceTextWindow() { Place(ScreenObjectKind::TextWindow); }
  void OnPlaceInputWindow() { Place(ScreenObjectKind::InputWindow); }
  void OnPlaceLevelGauge() { Place(ScreenObjectKind::LevelGauge); }
  void OnPlaceDialGauge() { Place(ScreenObjectKind::DialGauge); }
  void OnPlaceMeterGauge() { Place(ScreenObjectKind::MeterGauge); }
  void OnPlaceVerticalGauge() { Place(ScreenObjectKind::VerticalGauge); }
  void OnPlaceHorizontalGauge() { Place(ScreenObjectKind::HorizontalGauge); }
  void OnPlaceDualHandGauge() { Place(ScreenObjectKind::DualHandGauge); }
  void OnPlaceWindVane() { Place(ScreenObjectKind::WindVane); }
  void OnPlacePivotTracker() { Place(ScreenObjectKind::PivotTracker); }
  void OnPlaceSignalLamp() { Place(ScreenObjectKind::SignalLamp); }
  void OnPlaceEventCounter() { Place(ScreenObjectKind::EventCounter); }
  void OnPlaceEventTimer() { Place(ScreenObjectKind::EventTimer); }
  void OnPlacePushButton() { Place(ScreenObjectKind::PushButton); }
  void OnPlaceButtonArray() { Place(ScreenObjectKind::ButtonArray); }
  void OnPlaceRockerSwitch() { Place(ScreenObjectKind::RockerSwitch); }
  void OnPlaceSliderControl() { Place(ScreenObjectKind::SliderControl); }
  void OnPlacePIController() { Place(ScreenObjectKind::PIController); }
  void OnPlaceChartRecorder() { Place(ScreenObjectKind::ChartRecorder); }

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

  // A project was created or opened: the clipboard slots it brought are
  // empty and nothing is selected.
  void OnInitialUpdate();

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
  // The page is drawn anew as a whole.
  void RedrawAll();
  template <ScreenObjectKind K>
  void PlaceKind();
  template <ScreenObjectKind K>
  void RemoveObject(int index);
  // Removes every object for which drop(record) is true.
  template <class Drop>
  void RemoveObjects(Drop drop);
  void RemoveObjectsOfPage(int page);
  template <ScreenObjectKind K>
  void PasteKind(int slot);
  bool CopySelection();
  void DeleteSelection();
  void InvalidateSelection(bool erase);
  // Moves every selected object by a page-unit offset.
  void MoveSelection(int dx, int dy);

  CKorvixDoc& m_doc;
  ViewState& m_view;
  PageView& m_page;
  ViewWindow& m_window;
  MessageSink& m_messages;
  ChartMemoryHook& m_chartmemories;
  std::array<int, kObjectKindCount> m_clipcount{};
  Point m_dragorigin;
};

}  // namespace korvix
