#pragma once

#include <vector>

#include "document/korvix_doc.h"
#include "document/screen_object_kind.h"
#include "render/chart_recorder_geometry.h"
#include "render/object_geometry.h"
#include "render/rect.h"

namespace korvix {

struct ScreenObject {
  ScreenObjectKind kind;
  int index;
  friend bool operator==(const ScreenObject&, const ScreenObject&) = default;
};

// Calls visit(kind, list) for the record list of every kind, in kind order;
// Doc is CKorvixDoc or const CKorvixDoc.
template <class Doc, class Visit>
void ForEachKindList(Doc& doc, Visit&& visit) {
  visit(ScreenObjectKind::TextBox, doc.m_textboxes);
  visit(ScreenObjectKind::ImageBox, doc.m_imageboxes);
  visit(ScreenObjectKind::DataWindow, doc.m_datawindows);
  visit(ScreenObjectKind::TextWindow, doc.m_textwindows);
  visit(ScreenObjectKind::InputWindow, doc.m_inputwindows);
  visit(ScreenObjectKind::LevelGauge, doc.m_levelgauges);
  visit(ScreenObjectKind::DialGauge, doc.m_dialgauges);
  visit(ScreenObjectKind::MeterGauge, doc.m_metergauges);
  visit(ScreenObjectKind::VerticalGauge, doc.m_vertgauges);
  visit(ScreenObjectKind::HorizontalGauge, doc.m_horzgauges);
  visit(ScreenObjectKind::DualHandGauge, doc.m_dualhandgauges);
  visit(ScreenObjectKind::WindVane, doc.m_windvanes);
  visit(ScreenObjectKind::PivotTracker, doc.m_pivottrackers);
  visit(ScreenObjectKind::SignalLamp, doc.m_signallamps);
  visit(ScreenObjectKind::EventCounter, doc.m_eventcounters);
  visit(ScreenObjectKind::EventTimer, doc.m_eventtimers);
  visit(ScreenObjectKind::PushButton, doc.m_pushbuttons);
  visit(ScreenObjectKind::ButtonArray, doc.m_buttonarrays);
  visit(ScreenObjectKind::RockerSwitch, doc.m_rockerswitches);
  visit(ScreenObjectKind::SliderControl, doc.m_slidercontrols);
  visit(ScreenObjectKind::PIController, doc.m_picontrollers);
  visit(ScreenObjectKind::ChartRecorder, doc.m_chartrecorders);
}

// Calls use(record) with the record that object names.
template <class Doc, class Use>
void WithRecord(Doc& doc, ScreenObject object, Use&& use) {
  ForEachKindList(doc, [&](ScreenObjectKind kind, auto& list) {
    if (kind == object.kind) use(list[object.index]);
  });
}

// The whole-object rectangle of one object, refreshing its cached
// screenrect.
Rect ObjectRectOf(ObjectGeometry& geometry, ChartRecorderGeometry& chartgeometry,
                  ScreenObject object);

// Kinds that are cut out of the clip region by their ellipse.
constexpr bool IsRoundKind(ScreenObjectKind kind) {
  return kind == ScreenObjectKind::DialGauge || kind == ScreenObjectKind::DualHandGauge || kind == ScreenObjectKind::WindVane;
}

// The round kinds and the Pivot Tracker are sized only by their sides.
constexpr bool ShowsAllHandles(ScreenObjectKind kind) {
  return !IsRoundKind(kind) && kind != ScreenObjectKind::PivotTracker;
}

// The objects of the current page from front to back: highest stacking
// number first, kind order within a layer, array order within a kind. An
// object whose stacking number lies outside the page's layers is in none.
std::vector<ScreenObject> PageObjectsFrontToBack(const CKorvixDoc& doc);

// The current page's record, or none when the document has no such page.
const PageRecord* CurrentPage(const CKorvixDoc& doc);

}  // namespace korvix
