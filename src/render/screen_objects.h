#pragma once

#include <vector>

#include "document/kind_traits.h"
#include "render/chart_recorder_geometry.h"
#include "render/object_geometry.h"
#include "render/rect.h"

namespace korvix {

struct ScreenObject {
  ScreenObjectKind kind;
  int index;
  friend bool operator==(const ScreenObject&, const ScreenObject&) = default;
};

// The whole-object rectangle of one object, refreshing its cached
// screenrect.
Rect ObjectRectOf(ObjectGeometry& geometry, ChartRecorderGeometry& chartgeometry, ScreenObject object);

// Kinds that are cut out of the clip region by their ellipse.
constexpr bool IsRoundKind(ScreenObjectKind kind) {
  return kind == ScreenObjectKind::DialGauge || kind == ScreenObjectKind::DualHandGauge ||
         kind == ScreenObjectKind::WindVane;
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
