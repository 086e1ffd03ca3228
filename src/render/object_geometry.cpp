#include "render/object_geometry.h"

#include <algorithm>

#include "render/font_cell.h"

namespace korvix {

namespace {

constexpr int kMinimumExtent = 20;
constexpr int kKeypadMargin = 5;
constexpr int kRockerInset = 4;

struct Extent {
  int width;
  int height;
};

// The character cell of a size code at the current Font Size.
struct Cell {
  int cw;
  int ch;
};

Cell ScaledCell(const ViewState& view, int sizecode) {
  const Size cell = FontCellSize(sizecode);
  return {cell.cx * view.m_fontfactor, cell.cy * view.m_fontfactor};
}

int Trunc(double value) { return static_cast<int>(value); }

// Rounded to the nearest pixel the way the button layouts are measured.
int Round(double value) { return Trunc(value + 0.5); }

int Snap(const ViewState& view, int value) { return SnapExtent(value, view.m_gridsize); }

Extent AtLeastMinimum(Extent e) { return {std::max(e.width, kMinimumExtent), std::max(e.height, kMinimumExtent)}; }

template <class Record>
int SnappedHeight(const ViewState& view, const Record& r) {
  return Snap(view, Trunc(ScaledCell(view, r.sizecode).ch * r.heightfactor));
}

template <class Record>
Extent CellWidthExtent(const ViewState& view, const Record& r) {
  return {Snap(view, Trunc(ScaledCell(view, r.sizecode).cw * r.widthfactor)), SnappedHeight(view, r)};
}

// The round kinds and the wide gauges measure their width in cell heights.
template <class Record>
Extent CellHeightExtent(const ViewState& view, const Record& r) {
  return {Snap(view, Trunc(ScaledCell(view, r.sizecode).ch * r.widthfactor)), SnappedHeight(view, r)};
}

// Title, value and a third part side by side, each on the grid.
struct ThreeParts {
  int first;
  int second;
  int third;
};

ThreeParts Parts(const ViewState& view, int sizecode, int firstchars, double widthfactor, int thirdchars) {
  const Cell cell = ScaledCell(view, sizecode);
  return {Snap(view, cell.cw * firstchars), Snap(view, Trunc(cell.cw * widthfactor)), Snap(view, cell.cw * thirdchars)};
}

Extent Total(const ThreeParts& parts, int height) { return {parts.first + parts.second + parts.third, height}; }

ThreeParts PartsOf(const ViewState& view, const DataWindowRecord& r) {
  return Parts(view, r.sizecode, r.prefixwidth, r.widthfactor, r.suffixwidth);
}
ThreeParts PartsOf(const ViewState& view, const TextWindowRecord& r) {
  return Parts(view, r.sizecode, r.prefixwidth, r.widthfactor, r.suffixwidth);
}
ThreeParts PartsOf(const ViewState& view, const InputWindowRecord& r) {
  return Parts(view, r.sizecode, r.titlewidth, r.widthfactor, r.editwidth);
}
ThreeParts PartsOf(const ViewState& view, const EventCounterRecord& r) {
  return Parts(view, r.sizecode, r.titlewidth, r.widthfactor, r.buttonwidth);
}
ThreeParts PartsOf(const ViewState& view, const EventTimerRecord& r) {
  return Parts(view, r.sizecode, r.titlewidth, r.widthfactor, r.buttonwidth);
}

template <class Record>
Extent ThreePartExtent(const ViewState& view, const Record& r) {
  return Total(PartsOf(view, r), SnappedHeight(view, r));
}

Rect Placed(const ViewState& view, int x, int y, Extent e) {
  const int left = x * view.m_fontfactor - view.m_scrollx;
  const int top = y * view.m_fontfactor - view.m_scrolly;
  return {left, top, left + e.width, top + e.height};
}

template <class Record>
Rect WholeRect(const ViewState& view, Record& r, ObjectRunState& state, Extent e) {
  r.x = std::max(r.x, 0);
  r.y = std::max(r.y, 0);
  const Rect rect = Placed(view, r.x, r.y, e);
  if (view.m_dragstate == 0) state.screenrect = rect;
  return rect;
}

// The same rectangle for a part's use, leaving the record untouched.
template <class Record>
Rect ObjectOf(const ViewState& view, const Record& r, Extent e) {
  return Placed(view, std::max(r.x, 0), std::max(r.y, 0), e);
}

// The third width part of a three-part object, over its full height.
template <class Record>
Rect ThirdPart(const ViewState& view, const Record& r) {
  const ThreeParts parts = PartsOf(view, r);
  const Rect object = ObjectOf(view, r, Total(parts, SnappedHeight(view, r)));
  const int start = object.left + parts.first + parts.second;
  return {start, object.top, start + parts.third, object.bottom};
}

// The column of small buttons in the third part of a counter or a timer:
// half-width P either side of the part's centre, bands measured from the
// object's vertical centre in cell heights.
struct ButtonColumn {
  Rect part;
  int cx;
  int cy;
  int ch;

  int P() const { return Round(0.31 * ch); }
  Rect Band(int top, int bottom) const { return {cx - P(), top, cx + P() + 1, bottom}; }
  int Near() const { return Round(0.24 * ch); }
  int Far() const { return Round(0.55 * ch); }
  Rect Reset() const { return Band(cy - Round(0.14 * ch), cy + Round(0.14 * ch) + 1); }
};

template <class Record>
ButtonColumn ColumnOf(const ViewState& view, const Record& r) {
  const Rect part = ThirdPart(view, r);
  return {part, (part.left + part.right) / 2, (part.top + part.bottom) / 2, ScaledCell(view, r.sizecode).ch};
}

// The rocker below its title band, 4 pixels in from the other sides.
Rect RockerArea(const ViewState& view, const RockerSwitchRecord& r) {
  const Rect object = ObjectOf(view, r, CellWidthExtent(view, r));
  return {object.left + kRockerInset, object.top + Trunc(0.59 * ScaledCell(view, r.sizecode).ch),
          object.right - kRockerInset, object.bottom - kRockerInset};
}

}  // namespace

Rect ObjectGeometry::ObjectRectTextBox(int index) {
  TextBoxRecord& r = m_doc.m_textboxes[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::TextBox, index),
                   AtLeastMinimum(CellWidthExtent(m_view, r)));
}

Rect ObjectGeometry::ObjectRectImageBox(int index) {
  ImageBoxRecord& r = m_doc.m_imageboxes[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::ImageBox, index), Extent{r.width, r.height});
}

Rect ObjectGeometry::ObjectRectDataWindow(int index) {
  DataWindowRecord& r = m_doc.m_datawindows[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::DataWindow, index), ThreePartExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectTextWindow(int index) {
  TextWindowRecord& r = m_doc.m_textwindows[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::TextWindow, index), ThreePartExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectInputWindow(int index) {
  InputWindowRecord& r = m_doc.m_inputwindows[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::InputWindow, index), ThreePartExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectLevelGauge(int index) {
  LevelGaugeRecord& r = m_doc.m_levelgauges[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::LevelGauge, index), CellWidthExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectDialGauge(int index) {
  DialGaugeRecord& r = m_doc.m_dialgauges[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::DialGauge, index), CellHeightExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectMeterGauge(int index) {
  MeterGaugeRecord& r = m_doc.m_metergauges[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::MeterGauge, index), CellHeightExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectVerticalGauge(int index) {
  VerticalGaugeRecord& r = m_doc.m_vertgauges[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::VerticalGauge, index), CellWidthExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectHorizontalGauge(int index) {
  HorizontalGaugeRecord& r = m_doc.m_horzgauges[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::HorizontalGauge, index), CellHeightExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectDualHandGauge(int index) {
  DualHandGaugeRecord& r = m_doc.m_dualhandgauges[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::DualHandGauge, index), CellHeightExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectWindVane(int index) {
  WindVaneRecord& r = m_doc.m_windvanes[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::WindVane, index), CellHeightExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectPivotTracker(int index) {
  PivotTrackerRecord& r = m_doc.m_pivottrackers[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::PivotTracker, index), CellHeightExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectSignalLamp(int index) {
  SignalLampRecord& r = m_doc.m_signallamps[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::SignalLamp, index),
                   AtLeastMinimum(CellWidthExtent(m_view, r)));
}

Rect ObjectGeometry::ObjectRectEventCounter(int index) {
  EventCounterRecord& r = m_doc.m_eventcounters[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::EventCounter, index), ThreePartExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectEventTimer(int index) {
  EventTimerRecord& r = m_doc.m_eventtimers[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::EventTimer, index), ThreePartExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectPushButton(int index) {
  PushButtonRecord& r = m_doc.m_pushbuttons[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::PushButton, index),
                   AtLeastMinimum(CellWidthExtent(m_view, r)));
}

Rect ObjectGeometry::ObjectRectButtonArray(int index) {
  ButtonArrayRecord& r = m_doc.m_buttonarrays[index];
  const int cw = ScaledCell(m_view, r.sizecode).cw;
  const int width = Snap(m_view, Trunc(r.buttons.Count() * r.widthfactor * cw));
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::ButtonArray, index),
                   Extent{width, SnappedHeight(m_view, r)});
}

Rect ObjectGeometry::ObjectRectRockerSwitch(int index) {
  RockerSwitchRecord& r = m_doc.m_rockerswitches[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::RockerSwitch, index), CellWidthExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectSliderControl(int index) {
  SliderControlRecord& r = m_doc.m_slidercontrols[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::SliderControl, index), CellWidthExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectPIController(int index) {
  PIControllerRecord& r = m_doc.m_picontrollers[index];
  return WholeRect(m_view, r, m_states.At(ScreenObjectKind::PIController, index), CellWidthExtent(m_view, r));
}

Rect ObjectGeometry::ObjectRectInputWindowKeypad(int index, const Rect& clientrect) const {
  const InputWindowRecord& r = m_doc.m_inputwindows[index];
  const Rect window = ObjectOf(m_view, r, ThreePartExtent(m_view, r));
  const int c = ScaledCell(m_view, r.sizecode).ch;
  // Four key columns; a display band over four key rows.
  const int width = 4 * Trunc(1.5 * c);
  const int height = Trunc(2.0 * c) + 4 * Trunc(1.14 * c);
  const int left = (window.left + window.right) / 2 - width / 2;
  const int top = (window.top + window.bottom) / 2 - height / 2;
  Rect keypad = Inflated({left, top, left + width, top + height}, c / 8 + 1, c / 8 + 1);
  if (keypad.left < clientrect.left + kKeypadMargin)
    keypad = Offset(keypad, clientrect.left + kKeypadMargin - keypad.left, 0);
  if (keypad.top < clientrect.top + kKeypadMargin)
    keypad = Offset(keypad, 0, clientrect.top + kKeypadMargin - keypad.top);
  if (keypad.right > clientrect.right - kKeypadMargin)
    keypad = Offset(keypad, clientrect.right - kKeypadMargin - keypad.right, 0);
  if (keypad.bottom > clientrect.bottom - kKeypadMargin)
    keypad = Offset(keypad, 0, clientrect.bottom - kKeypadMargin - keypad.bottom);
  return keypad;
}

Rect ObjectGeometry::ObjectRectInputWindowEditButton(int index) const {
  const InputWindowRecord& r = m_doc.m_inputwindows[index];
  const Rect part = ThirdPart(m_view, r);
  const int side = Trunc(0.4 * ScaledCell(m_view, r.sizecode).cw);
  const int cap = Height(part) / 5;
  return {part.left + side, part.top + cap, part.right - side, part.bottom - cap};
}

Rect ObjectGeometry::ObjectRectEventCounterUpButton(int index) const {
  const ButtonColumn column = ColumnOf(m_view, m_doc.m_eventcounters[index]);
  const Rect up = column.Band(column.cy - column.Far(), column.cy - column.Near() + 1);
  return up.top < column.part.top ? Offset(up, 0, column.part.top - up.top) : up;
}

Rect ObjectGeometry::ObjectRectEventCounterResetButton(int index) const {
  return ColumnOf(m_view, m_doc.m_eventcounters[index]).Reset();
}

Rect ObjectGeometry::ObjectRectEventCounterDownButton(int index) const {
  const ButtonColumn column = ColumnOf(m_view, m_doc.m_eventcounters[index]);
  const Rect down = column.Band(column.cy + column.Near(), column.cy + column.Far() + 1);
  return down.bottom > column.part.bottom ? Offset(down, 0, column.part.bottom - down.bottom) : down;
}

Rect ObjectGeometry::ObjectRectEventTimerStartButton(int index) const {
  const ButtonColumn column = ColumnOf(m_view, m_doc.m_eventtimers[index]);
  return column.Band(std::max(column.part.top, column.cy - column.Far()), column.cy - column.Near() + 1);
}

Rect ObjectGeometry::ObjectRectEventTimerResetButton(int index) const {
  return ColumnOf(m_view, m_doc.m_eventtimers[index]).Reset();
}

Rect ObjectGeometry::ObjectRectEventTimerHaltButton(int index) const {
  const ButtonColumn column = ColumnOf(m_view, m_doc.m_eventtimers[index]);
  return column.Band(column.cy + column.Near(), std::min(column.part.bottom, column.cy + column.Far() + 1));
}

Rect ObjectGeometry::ObjectRectRockerSwitchUpper(int index) const {
  const Rect rocker = RockerArea(m_view, m_doc.m_rockerswitches[index]);
  return {rocker.left, rocker.top, rocker.right, (rocker.top + rocker.bottom) / 2};
}

Rect ObjectGeometry::ObjectRectRockerSwitchLower(int index) const {
  const Rect rocker = RockerArea(m_view, m_doc.m_rockerswitches[index]);
  return {rocker.left, (rocker.top + rocker.bottom) / 2, rocker.right, rocker.bottom};
}

}  // namespace korvix
