#pragma once

#include <functional>
#include <string>
#include <vector>

#include "gauge_canvas.h"
#include "render/gauges/dial_gauge.h"
#include "render/gauges/dual_hand_gauge.h"
#include "render/gauges/gauge_colours.h"
#include "render/gauges/horizontal_gauge.h"
#include "render/gauges/level_gauge.h"
#include "render/gauges/meter_gauge.h"
#include "render/gauges/pivot_tracker.h"
#include "render/gauges/vertical_gauge.h"
#include "render/gauges/wind_vane.h"

namespace korvix {

// One kind under test: how to place it, give it a value, draw it, and the
// colour that only its needle, bar, hand, arrow or arm paints.
struct GaugeKind {
  std::string name;
  Colour needle = 0;
  bool round = false;   // the page cuts it out by its ellipse
  bool pinned = true;   // a scale with ends, not a direction
  bool pointer = true;  // redraws only needle and value on a change
  std::function<int(GaugeCanvas&, int x, int y)> add;
  std::function<void(GaugeCanvas&, int, const std::string&)> setvalue;
  // The next drawing is whole: what was drawn is forgotten.
  std::function<void(GaugeCanvas&, int)> forget;
  std::function<void(GaugeCanvas&, DrawingContext&, int)> draw;
  std::function<Rect(GaugeCanvas&, int)> rect;
  // Makes the object so small that its rectangle snaps to nothing.
  std::function<void(GaugeCanvas&, int)> shrink;
};

namespace detail {

template <class List>
int Place(List& list, int x, int y) {
  const int index = list.Add();
  list[index].x = x;
  list[index].y = y;
  return index;
}

template <ScreenObjectKind K, auto Member, auto Draw, auto RectOf>
GaugeKind RecordKind(std::string name, Colour needle, bool round, bool pinned, bool pointer) {
  GaugeKind kind;
  kind.name = std::move(name);
  kind.needle = needle;
  kind.round = round;
  kind.pinned = pinned;
  kind.pointer = pointer;
  kind.add = [](GaugeCanvas& c, int x, int y) { return Place(c.m_doc.*Member, x, y); };
  kind.setvalue = [](GaugeCanvas& c, int i, const std::string& value) { (c.m_doc.*Member)[i].valuetext = value; };
  kind.forget = [](GaugeCanvas& c, int i) {
    if (std::string* drawn = c.m_states.DrawnValue(K, i)) *drawn = (c.m_doc.*Member)[i].valuetext;
  };
  kind.draw = [](GaugeCanvas&, DrawingContext& context, int i) { Draw(context, i); };
  kind.rect = [](GaugeCanvas& c, int i) { return (c.m_geometry.*RectOf)(i); };
  kind.shrink = [](GaugeCanvas& c, int i) {
    auto& record = (c.m_doc.*Member)[i];
    record.widthfactor = record.heightfactor = 0.01;
  };
  return kind;
}

}  // namespace detail

inline std::vector<GaugeKind> AllGaugeKinds() {
  using detail::RecordKind;
  std::vector<GaugeKind> kinds{
      RecordKind<ScreenObjectKind::LevelGauge, &CKorvixDoc::m_levelgauges, DrawLevelGauge,
                 &ObjectGeometry::ObjectRectLevelGauge>("LevelGauge", static_cast<Colour>(kColorBlue), false, true,
                                                        false),
      RecordKind<ScreenObjectKind::DialGauge, &CKorvixDoc::m_dialgauges, DrawDialGauge,
                 &ObjectGeometry::ObjectRectDialGauge>("DialGauge", kNeedleColour, true, true, true),
      RecordKind<ScreenObjectKind::MeterGauge, &CKorvixDoc::m_metergauges, DrawMeterGauge,
                 &ObjectGeometry::ObjectRectMeterGauge>("MeterGauge", kNeedleColour, false, true, true),
      RecordKind<ScreenObjectKind::VerticalGauge, &CKorvixDoc::m_vertgauges, DrawVerticalGauge,
                 &ObjectGeometry::ObjectRectVerticalGauge>("VerticalGauge", kBarColour, false, true, true),
      RecordKind<ScreenObjectKind::HorizontalGauge, &CKorvixDoc::m_horzgauges, DrawHorizontalGauge,
                 &ObjectGeometry::ObjectRectHorizontalGauge>("HorizontalGauge", kBarColour, false, true, true),
      RecordKind<ScreenObjectKind::DualHandGauge, &CKorvixDoc::m_dualhandgauges, DrawDualHandGauge,
                 &ObjectGeometry::ObjectRectDualHandGauge>("DualHandGauge", kNeedleColour, true, false, true),
      RecordKind<ScreenObjectKind::WindVane, &CKorvixDoc::m_windvanes, DrawWindVane,
                 &ObjectGeometry::ObjectRectWindVane>("WindVane", kNeedleColour, true, false, true),
  };
  GaugeKind tracker;
  tracker.name = "PivotTracker";
  tracker.needle = kPivotArmColour;
  tracker.round = true;
  tracker.pinned = false;
  tracker.add = [](GaugeCanvas& c, int x, int y) { return detail::Place(c.m_doc.m_pivottrackers, x, y); };
  tracker.setvalue = [](GaugeCanvas& c, int i, const std::string& value) { c.m_trackers[i].valuetext = value; };
  tracker.forget = [](GaugeCanvas& c, int) { c.m_trackers.ForgetDrawn(); };
  tracker.draw = [](GaugeCanvas& c, DrawingContext& context, int i) {
    DrawPivotTracker(context, i, c.m_trackers, c.m_invalidrgn);
  };
  tracker.rect = [](GaugeCanvas& c, int i) { return c.m_geometry.ObjectRectPivotTracker(i); };
  tracker.shrink = [](GaugeCanvas& c, int i) {
    c.m_doc.m_pivottrackers[i].widthfactor = c.m_doc.m_pivottrackers[i].heightfactor = 0.01;
  };
  kinds.push_back(tracker);
  return kinds;
}

}  // namespace korvix
