#include "editor/resize_rules.h"

#include "document/kind_traits.h"
#include "render/font_cell.h"
#include "render/object_tracker.h"

namespace korvix {

namespace {

constexpr int kSmallestSide = 20;

struct Cell {
  int w;
  int h;
};

Cell CellOf(const ViewState& view, int sizecode) {
  const Size cell = FontCellSize(sizecode);
  return {cell.cx * view.m_fontfactor, cell.cy * view.m_fontfactor};
}

// Up to the next grid line, so that snapping never takes a side below it.
int OnGrid(const ViewState& view, int extent) {
  const int grid = view.m_gridsize > 0 ? view.m_gridsize : 1;
  return (extent + grid - 1) / grid * grid;
}

int Snap(const ViewState& view, int extent) { return SnapExtent(extent, view.m_gridsize); }

enum class Family {
  CellWidth,   // width in cell widths, height in cell heights
  CellHeight,  // both in cell heights: the round kinds and the wide gauges
  ThreePart,   // a title and a third part of fixed characters around the value
  Buttons,     // width in cell widths per sub button
  Fixed,       // pixels, not resized
};

template <ScreenObjectKind K>
constexpr Family FamilyOf() {
  using enum ScreenObjectKind;
  if constexpr (K == ImageBox) return Family::Fixed;
  if constexpr (K == DataWindow || K == TextWindow || K == InputWindow || K == EventCounter || K == EventTimer)
    return Family::ThreePart;
  if constexpr (K == DialGauge || K == MeterGauge || K == HorizontalGauge || K == DualHandGauge || K == WindVane ||
                K == PivotTracker)
    return Family::CellHeight;
  if constexpr (K == ButtonArray) return Family::Buttons;
  return Family::CellWidth;
}

// The fixed parts of a three-part object: its title and its third part.
int FirstChars(const DataWindowRecord& r) { return r.prefixwidth; }
int FirstChars(const TextWindowRecord& r) { return r.prefixwidth; }
int FirstChars(const InputWindowRecord& r) { return r.titlewidth; }
int FirstChars(const EventCounterRecord& r) { return r.titlewidth; }
int FirstChars(const EventTimerRecord& r) { return r.titlewidth; }
int ThirdChars(const DataWindowRecord& r) { return r.suffixwidth; }
int ThirdChars(const TextWindowRecord& r) { return r.suffixwidth; }
int ThirdChars(const InputWindowRecord& r) { return r.editwidth; }
int ThirdChars(const EventCounterRecord& r) { return r.buttonwidth; }
int ThirdChars(const EventTimerRecord& r) { return r.buttonwidth; }

template <class Record>
int FixedParts(const ViewState& view, const Record& r) {
  const Cell cell = CellOf(view, r.sizecode);
  return Snap(view, cell.w * FirstChars(r)) + Snap(view, cell.w * ThirdChars(r));
}

template <ScreenObjectKind K>
ResizeRule RuleOf(const ViewState& view, const RecordOf<K>& r) {
  using enum ScreenObjectKind;
  ResizeRule rule;
  const int f = view.m_fontfactor;
  if constexpr (K == ImageBox) {
    rule.resizable = false;
    return rule;
  } else {
    const Cell cell = CellOf(view, r.sizecode);
    if constexpr (K == TextBox || K == SignalLamp || K == PushButton) {
      rule.minimum = {kSmallestSide * f, kSmallestSide * f};
    } else if constexpr (K == DialGauge || K == DualHandGauge || K == WindVane) {
      rule.proportion = CObjectTracker::kProportionSquare;
      rule.minimum = {5 * cell.h, 5 * cell.h};
    } else if constexpr (K == PivotTracker) {
      rule.proportion = CObjectTracker::kProportionSquare;
      rule.minimum = {2 * cell.h, 2 * cell.h};
    } else if constexpr (K == MeterGauge) {
      rule.proportion = CObjectTracker::kProportionTwoToOne;
      rule.minimum = {4 * cell.h, 2 * cell.h};
    } else if constexpr (FamilyOf<K>() == Family::ThreePart) {
      rule.minimum = {FixedParts(view, r) + cell.w, cell.h};
    } else if constexpr (K == ButtonArray) {
      rule.minimum = {r.buttons.Count() * cell.w, cell.h};
    } else if constexpr (K == HorizontalGauge) {
      rule.minimum = {cell.h, cell.h};
    } else {
      rule.minimum = {cell.w, cell.h};
    }
    rule.minimum = {OnGrid(view, rule.minimum.cx), OnGrid(view, rule.minimum.cy)};
    return rule;
  }
}

template <ScreenObjectKind K>
void StoreSize(const ViewState& view, RecordOf<K>& r, int width, int height) {
  constexpr Family family = FamilyOf<K>();
  if constexpr (family != Family::Fixed) {
    const Cell cell = CellOf(view, r.sizecode);
    r.heightfactor = static_cast<double>(height) / cell.h;
    if constexpr (family == Family::CellWidth)
      r.widthfactor = static_cast<double>(width) / cell.w;
    else if constexpr (family == Family::CellHeight)
      r.widthfactor = static_cast<double>(width) / cell.h;
    else if constexpr (family == Family::ThreePart)
      r.widthfactor = static_cast<double>(width - FixedParts(view, r)) / cell.w;
    else if constexpr (family == Family::Buttons)
      r.widthfactor = static_cast<double>(width) / (r.buttons.Count() * cell.w);
  }
}

}  // namespace

ResizeRule ResizeRuleOf(const CKorvixDoc& doc, const ViewState& view, ScreenObject object) {
  ResizeRule rule;
  VisitKind(object.kind, [&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    rule = RuleOf<K>(view, ListOf<K>(doc)[object.index]);
  });
  return rule;
}

void StoreTrackedRect(CKorvixDoc& doc, const ViewState& view, ScreenObject object, const Rect& rect, bool moveonly) {
  VisitKind(object.kind, [&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    auto& r = ListOf<K>(doc)[object.index];
    r.x = (rect.left + view.m_scrollx) / view.m_fontfactor;
    r.y = (rect.top + view.m_scrolly) / view.m_fontfactor;
    if (!moveonly) StoreSize<K>(view, r, Width(rect), Height(rect));
  });
}

}  // namespace korvix
