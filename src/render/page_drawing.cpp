#include "render/page_view.h"

#include <algorithm>

#include "render/chart/chart_recorder_drawing.h"
#include "render/controls/button_array.h"
#include "render/controls/event_counter.h"
#include "render/controls/event_timer.h"
#include "render/controls/keypad.h"
#include "render/controls/pi_controller.h"
#include "render/controls/push_button.h"
#include "render/controls/rocker_switch.h"
#include "render/controls/signal_lamp.h"
#include "render/controls/slider_control.h"
#include "render/face_key.h"
#include "render/gauges/dial_gauge.h"
#include "render/gauges/dual_hand_gauge.h"
#include "render/gauges/horizontal_gauge.h"
#include "render/gauges/level_gauge.h"
#include "render/gauges/meter_gauge.h"
#include "render/gauges/pivot_tracker.h"
#include "render/gauges/vertical_gauge.h"
#include "render/gauges/wind_vane.h"
#include "render/image_box.h"
#include "render/text_box.h"
#include "render/value_windows.h"

namespace korvix {

namespace {

// After the background is erased every needle is drawn whole again.
template <ScreenObjectKind K, class List>
void ForgetDrawnValues(ObjectRunStates& states, const List& list) {
  for (int i = 0; i < list.Count(); ++i) states.Of<K>()[i].uneditedtext = list[i].valuetext;
}

}  // namespace

void PageView::OnDraw(DeviceContext& dc) {
  DrawingContext context{dc, m_doc, m_view, m_geometry, m_runstates};
  const std::vector<ScreenObject> objects = PageObjectsFrontToBack(m_doc);
  std::vector<Rect> rects;
  rects.reserve(objects.size());
  for (const ScreenObject& object : objects) rects.push_back(ObjectRect(object));
  RecomputeScrollExtent(rects);
  m_faces.StartPaint();
  DrawKeypads(context);
  for (std::size_t i = 0; i < objects.size(); ++i) {
    const ScreenObject object = objects[i];
    const Rect& rect = rects[i];
    if (!dc.RectVisible(rect) && m_redrawall == 0) continue;
    DrawObject(context, object, rect);
    if (IsSelected(object)) {
      m_tracker.m_allhandles = ShowsAllHandles(object.kind) ? 1 : 0;
      m_tracker.m_rect = rect;
      m_tracker.Draw(dc);
    }
    ExcludeObject(dc, object, rect);
  }
  DrawBackgroundBitmap(dc);
  m_redrawall = 0;
}

bool PageView::OnEraseBkgnd(DeviceContext& dc) {
  const PageRecord* page = CurrentPage(m_doc);
  dc.FillRect(m_window.ClientRect(), static_cast<Colour>(page != nullptr ? page->bgcolor : kDefaultPageColor));
  ForgetDrawnValues<ScreenObjectKind::DialGauge>(m_runstates, m_doc.m_dialgauges);
  ForgetDrawnValues<ScreenObjectKind::MeterGauge>(m_runstates, m_doc.m_metergauges);
  ForgetDrawnValues<ScreenObjectKind::VerticalGauge>(m_runstates, m_doc.m_vertgauges);
  ForgetDrawnValues<ScreenObjectKind::HorizontalGauge>(m_runstates, m_doc.m_horzgauges);
  ForgetDrawnValues<ScreenObjectKind::DualHandGauge>(m_runstates, m_doc.m_dualhandgauges);
  ForgetDrawnValues<ScreenObjectKind::WindVane>(m_runstates, m_doc.m_windvanes);
  m_pivottrackerstates.ForgetDrawn();
  if (!m_quietpaint)
    for (ChartRecorderRunState& state : m_runstates.ChartRecorders()) state.redrawtraces = 0;
  return true;
}

// The page reaches as far as its objects and its background bitmap.
void PageView::RecomputeScrollExtent(const std::vector<Rect>& rects) {
  Size extent{0, 0};
  for (const Rect& rect : rects) {
    extent.cx = std::max(extent.cx, rect.right + m_view.m_scrollx);
    extent.cy = std::max(extent.cy, rect.bottom + m_view.m_scrolly);
  }
  if (const PageRecord* page = CurrentPage(m_doc)) {
    if (const Bitmap* bitmap = m_bitmaps.Get(page->bgbitmapfile)) {
      extent.cx = std::max(extent.cx, bitmap->Width());
      extent.cy = std::max(extent.cy, bitmap->Height());
    }
  }
  // Only a change is passed on: setting the extent may scroll, and a scroll
  // repaints.
  if (extent == m_scrollextent) return;
  m_scrollextent = extent;
  m_window.SetScrollExtent(extent);
}

// An open keypad lies over every object of its page; one left open on
// another page is closed.
void PageView::DrawKeypads(DrawingContext& context) {
  for (int i = 0; i < m_doc.m_inputwindows.Count(); ++i) {
    InputWindowRunState& state = m_inputwindowstates[i];
    if (!state.KeypadShowing()) continue;
    const InputWindowRecord& r = m_doc.m_inputwindows[i];
    if (r.page != m_doc.m_curpage) {
      state.keypadopen = 0;
      state.keypadkey = 0;
      continue;
    }
    if (r.keypadsize <= 0) continue;
    const Rect keypad = m_geometry.ObjectRectInputWindowKeypad(i, m_window.ClientRect());
    DrawKeypad(context, i, keypad, state);
    context.dc.ExcludeClipRect(keypad);
  }
}

void PageView::DrawObject(DrawingContext& context, ScreenObject object, const Rect& rect) {
  if (!DrawFace(context, object, rect)) DrawDirectly(context, object, rect);
}

// The picture is made over the page colour, which shows wherever a drawing
// is not opaque.
bool PageView::DrawFace(DrawingContext& context, ScreenObject object, const Rect& rect) {
  const std::optional<std::string> key = FaceKey(m_doc, m_view, m_run.controls, m_runstates, object, rect);
  if (!key) return false;
  const PageRecord* page = CurrentPage(m_doc);
  const auto background = static_cast<Colour>(page != nullptr ? page->bgcolor : kDefaultPageColor);
  return m_faces.Draw(context.dc, *key, rect, background, [&](DeviceContext& dc) {
    DrawingContext own{dc, m_doc, m_view, m_geometry, m_runstates};
    DrawDirectly(own, object, rect);
  });
}

void PageView::DrawDirectly(DrawingContext& context, ScreenObject object, const Rect& rect) {
  const int i = object.index;
  const ControlRunStates* states = m_run.controls;
  switch (object.kind) {
    case ScreenObjectKind::TextBox: return DrawTextBox(context, i);
    case ScreenObjectKind::ImageBox: return DrawImageBox(context, i, m_bitmaps.Get(m_doc.m_imageboxes[i].bitmapfile));
    case ScreenObjectKind::DataWindow: return DrawDataWindow(context, i);
    case ScreenObjectKind::TextWindow: return DrawTextWindow(context, i);
    case ScreenObjectKind::InputWindow: return DrawInputWindow(context, i, m_inputwindowstates[i]);
    case ScreenObjectKind::LevelGauge: return DrawLevelGauge(context, i);
    case ScreenObjectKind::DialGauge: return DrawDialGauge(context, i);
    case ScreenObjectKind::MeterGauge: return DrawMeterGauge(context, i);
    case ScreenObjectKind::VerticalGauge: return DrawVerticalGauge(context, i);
    case ScreenObjectKind::HorizontalGauge: return DrawHorizontalGauge(context, i);
    case ScreenObjectKind::DualHandGauge: return DrawDualHandGauge(context, i);
    case ScreenObjectKind::WindVane: return DrawWindVane(context, i);
    case ScreenObjectKind::PivotTracker: return DrawPivotTracker(context, i, m_pivottrackerstates, m_invalidrgn);
    case ScreenObjectKind::SignalLamp: return DrawSignalLamp(context, i);
    case ScreenObjectKind::EventCounter: {
      const std::optional<CounterButton> held = states ? states->HeldCounterButton(i) : std::nullopt;
      return held ? DrawEventCounter(context, i, *held) : DrawEventCounter(context, i);
    }
    case ScreenObjectKind::EventTimer: {
      const std::optional<TimerButton> held = states ? states->HeldTimerButton(i) : std::nullopt;
      return held ? DrawEventTimer(context, i, *held) : DrawEventTimer(context, i);
    }
    case ScreenObjectKind::PushButton: return DrawPushButton(context, i, states && states->PushButtonDown(i));
    case ScreenObjectKind::ButtonArray: return DrawButtonArray(context, i, states && states->ButtonArrayRunning(i));
    case ScreenObjectKind::RockerSwitch: {
      const std::optional<RockerHalf> held = states ? states->HeldRockerHalf(i) : std::nullopt;
      return held ? DrawRockerSwitch(context, i, *held) : DrawRockerSwitch(context, i);
    }
    case ScreenObjectKind::SliderControl: return DrawSliderControl(context, i);
    case ScreenObjectKind::PIController:
      return states ? DrawPIController(context, i, states->PIControllerReadingsOf(i)) : DrawPIController(context, i);
    case ScreenObjectKind::ChartRecorder:
      return DrawChartRecorder(context, m_chartgeometry, i, rect, m_run.charts ? &m_run.charts->Memory(i) : nullptr,
                               m_chartraces, m_run.paintmessages, &m_window);
  }
}

// Whatever is drawn later, lower in the stack, stays out of what this
// object covers; a round object covers only its ellipse.
void PageView::ExcludeObject(DeviceContext& dc, ScreenObject object, const Rect& rect) {
  if (IsRoundKind(object.kind)) {
    m_invalidrgn = Region::FromEllipse(rect);
  } else if (object.kind != ScreenObjectKind::PivotTracker) {
    dc.ExcludeClipRect(rect);
    return;
  }
  dc.SubtractClipRegion(m_invalidrgn);
  m_invalidrgn = Region();
}

void PageView::DrawBackgroundBitmap(DeviceContext& dc) {
  const PageRecord* page = CurrentPage(m_doc);
  if (page == nullptr) return;
  const Bitmap* bitmap = m_bitmaps.Get(page->bgbitmapfile);
  if (bitmap == nullptr) return;
  const int sx = m_view.m_scrollx;
  const int sy = m_view.m_scrolly;
  DrawImageBox(dc, *bitmap, {-sx, -sy, bitmap->Width() - sx, bitmap->Height() - sy});
}

}  // namespace korvix
