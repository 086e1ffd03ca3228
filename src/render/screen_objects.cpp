#include "render/screen_objects.h"

#include <algorithm>

namespace korvix {

Rect ObjectRectOf(ObjectGeometry& geometry, ChartRecorderGeometry& chartgeometry, ScreenObject object) {
  const int i = object.index;
  switch (object.kind) {
    case ScreenObjectKind::TextBox: return geometry.ObjectRectTextBox(i);
    case ScreenObjectKind::ImageBox: return geometry.ObjectRectImageBox(i);
    case ScreenObjectKind::DataWindow: return geometry.ObjectRectDataWindow(i);
    case ScreenObjectKind::TextWindow: return geometry.ObjectRectTextWindow(i);
    case ScreenObjectKind::InputWindow: return geometry.ObjectRectInputWindow(i);
    case ScreenObjectKind::LevelGauge: return geometry.ObjectRectLevelGauge(i);
    case ScreenObjectKind::DialGauge: return geometry.ObjectRectDialGauge(i);
    case ScreenObjectKind::MeterGauge: return geometry.ObjectRectMeterGauge(i);
    case ScreenObjectKind::VerticalGauge: return geometry.ObjectRectVerticalGauge(i);
    case ScreenObjectKind::HorizontalGauge: return geometry.ObjectRectHorizontalGauge(i);
    case ScreenObjectKind::DualHandGauge: return geometry.ObjectRectDualHandGauge(i);
    case ScreenObjectKind::WindVane: return geometry.ObjectRectWindVane(i);
    case ScreenObjectKind::PivotTracker: return geometry.ObjectRectPivotTracker(i);
    case ScreenObjectKind::SignalLamp: return geometry.ObjectRectSignalLamp(i);
    case ScreenObjectKind::EventCounter: return geometry.ObjectRectEventCounter(i);
    case ScreenObjectKind::EventTimer: return geometry.ObjectRectEventTimer(i);
    case ScreenObjectKind::PushButton: return geometry.ObjectRectPushButton(i);
    case ScreenObjectKind::ButtonArray: return geometry.ObjectRectButtonArray(i);
    case ScreenObjectKind::RockerSwitch: return geometry.ObjectRectRockerSwitch(i);
    case ScreenObjectKind::SliderControl: return geometry.ObjectRectSliderControl(i);
    case ScreenObjectKind::PIController: return geometry.ObjectRectPIController(i);
    case ScreenObjectKind::ChartRecorder: return chartgeometry.ObjectRectChartRecorder(i);
  }
  return {};
}

const PageRecord* CurrentPage(const CKorvixDoc& doc) {
  if (doc.m_curpage < 1 || doc.m_curpage > doc.m_pages.Count()) return nullptr;
  return &doc.m_pages[doc.m_curpage];
}

std::vector<ScreenObject> PageObjectsFrontToBack(const CKorvixDoc& doc) {
  struct Placed {
    int stacknum;
    ScreenObject object;
  };
  std::vector<Placed> placed;
  const PageRecord* page = CurrentPage(doc);
  if (page == nullptr) return {};
  ForEachObject(doc, [&](auto tag, int i, const auto& r) {
    if (r.page == doc.m_curpage && r.stacknum >= 0 && r.stacknum < page->objectcount)
      placed.push_back({r.stacknum, {tag.value, i}});
  });
  std::sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    if (a.stacknum != b.stacknum) return a.stacknum > b.stacknum;
    if (a.object.kind != b.object.kind) return a.object.kind < b.object.kind;
    return a.object.index < b.object.index;
  });
  std::vector<ScreenObject> objects;
  objects.reserve(placed.size());
  for (const Placed& p : placed) objects.push_back(p.object);
  return objects;
}

}  // namespace korvix
