#pragma once

#include <vector>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "recording/chart_memories.h"
#include "render/bitmap_cache.h"
#include "render/chart/chart_traces.h"
#include "render/controls/control_run_states.h"
#include "render/device_context.h"
#include "render/drawing_context.h"
#include "render/face_cache.h"
#include "render/gauges/pivot_tracker_state.h"
#include "render/input_window_state.h"
#include "render/object_geometry.h"
#include "render/object_run_states.h"
#include "render/object_states.h"
#include "render/object_tracker.h"
#include "render/region.h"
#include "render/screen_objects.h"
#include "render/view_state.h"
#include "render/view_window.h"

namespace korvix {

// What a page shows of the running program beside the project. A page drawn
// on its own has none of it: it draws every control at rest and no traces.
struct PageRunSources {
  // How the operator's controls stand while the program runs them.
  const ControlRunStates* controls = nullptr;
  // The Chart Recorders' samples.
  ChartMemories* charts = nullptr;
  // Where a paint reports what it found wrong; it must not open a box of
  // its own in the middle of a paint.
  MessageSink* paintmessages = nullptr;
};

// What the program's view does with pages, apart from its toolkit: drawing
// the current page, the selection with its tracker and the cursors over it.
// The window hands in a device context for every paint.
class PageView {
public:
  PageView(CKorvixDoc& doc, ViewState& view, ViewWindow& window, BitmapCache::Loader loader, ObjectStates& states,
           PageRunSources run = {});

  // Paints the current page within the device context's clip region: open
  // keypads, then the objects front to back, each cut out of the clip region
  // once drawn, then the background bitmap where nothing lies.
  void OnDraw(DeviceContext& dc);
  // Fills the client area with the page colour and makes the next drawing
  // of every pointer kind a complete one.
  bool OnEraseBkgnd(DeviceContext& dc);

  // Clears every object's selection and repaints where it was.
  void DeselectAll();
  // The view's run-time states of a removed object go with it, so that the
  // later objects of its kind keep theirs.
  void ForgetObject(ScreenObjectKind kind, int index);
  // Every object's run-time states afresh, as for a project just opened.
  void ForgetObjects();
  // Removes the focus rectangles the last drag left, drawn on dc, and ends
  // the drag.
  void CancelDragFeedback(DeviceContext& dc);
  // 1 when the point lies on a handle of the one selected object's tracker
  // and the sizing cursor of that handle was set.
  int TrackerCursor(Point point);
  // The cursor over the client area in edit mode; false leaves the cursor to
  // the window's default.
  bool OnSetCursor(Point point);

  // The view's, shared with the Run-Loop and the run-mode controls.
  ObjectRunStates& m_runstates;
  ObjectGeometry& m_geometry;
  InputWindowRunStates& m_inputwindowstates;
  ChartRecorderGeometry m_chartgeometry;
  CObjectTracker m_tracker;
  BitmapCache m_bitmaps;
  // Pictures of the objects that cost most to draw; a page drawn with a
  // budget of 0 draws every object directly.
  FaceCache m_faces;
  PivotTrackerStates m_pivottrackerstates;
  int m_numselected = 0;
  // Set by whatever changes which page is shown or what it holds: the next
  // OnDraw draws every object whatever the clip region.
  int m_redrawall = 0;
  // Where the Pivot Tracker's drawing leaves the area it covers.
  Region m_invalidrgn;
  // Set for a paint that only invalidations without erasing asked for (a
  // value, a Chart Recorder's step or follow): pending updates of the Chart
  // Recorders' traces then survive the erase, since their areas keep what
  // they last drew. Any other paint (an expose, a scroll, a resize, a page
  // change) draws the traces in full.
  bool m_quietpaint = false;

private:
  void RecomputeScrollExtent(const std::vector<Rect>& rects);
  void DrawKeypads(DrawingContext& context);
  void DrawObject(DrawingContext& context, ScreenObject object, const Rect& rect);
  bool DrawFace(DrawingContext& context, ScreenObject object, const Rect& rect);
  void DrawDirectly(DrawingContext& context, ScreenObject object, const Rect& rect);
  void ExcludeObject(DeviceContext& dc, ScreenObject object, const Rect& rect);
  void DrawBackgroundBitmap(DeviceContext& dc);
  bool IsSelected(ScreenObject object);
  Rect ObjectRect(ScreenObject object) { return ObjectRectOf(m_geometry, m_chartgeometry, object); }

  CKorvixDoc& m_doc;
  ViewState& m_view;
  ViewWindow& m_window;
  const PageRunSources m_run;
  Size m_scrollextent{-1, -1};
  ChartTraces m_chartraces;
};

}  // namespace korvix
