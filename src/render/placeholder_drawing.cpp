#include "render/placeholder_drawing.h"

#include <string>

#include "render/selection.h"

namespace korvix {

namespace {

constexpr int kLabelTenths = 6;

template <class Record>
std::string_view LabelOf(const Record& r) {
  if constexpr (requires { r.idlabel; })
    return r.idlabel;
  else
    return r.title;
}

template <class Record>
void DrawFrame(DrawingContext& context, const Record& r, const Rect& rect) {
  DeviceContext& dc = context.dc;
  SelectedPen pen(dc, SolidPen(1, Grey(0)));
  SelectedBrush brush(dc, SolidBrush(Grey(255)));
  dc.Rectangle(rect);
  SelectedFont font(dc, Font{std::string(kFaceArial), r.sizecode * context.view.m_fontfactor * kLabelTenths});
  SelectedTextColour colour(dc, Grey(0));
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  dc.DrawText(LabelOf(r), Inflated(rect, -1, -1),
              TextFormat::Centre | TextFormat::VCentre | TextFormat::SingleLine | TextFormat::NoPrefix);
}

}  // namespace

void PlaceholderLevelGauge(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_levelgauges[i], c.geometry.ObjectRectLevelGauge(i));
}
void PlaceholderDialGauge(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_dialgauges[i], c.geometry.ObjectRectDialGauge(i));
}
void PlaceholderMeterGauge(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_metergauges[i], c.geometry.ObjectRectMeterGauge(i));
}
void PlaceholderVerticalGauge(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_vertgauges[i], c.geometry.ObjectRectVerticalGauge(i));
}
void PlaceholderHorizontalGauge(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_horzgauges[i], c.geometry.ObjectRectHorizontalGauge(i));
}
void PlaceholderDualHandGauge(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_dualhandgauges[i], c.geometry.ObjectRectDualHandGauge(i));
}
void PlaceholderWindVane(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_windvanes[i], c.geometry.ObjectRectWindVane(i));
}
void PlaceholderPivotTracker(DrawingContext& c, int i, Region& invalidrgn) {
  const Rect rect = c.geometry.ObjectRectPivotTracker(i);
  DrawFrame(c, c.doc.m_pivottrackers[i], rect);
  invalidrgn = Region::FromRect(rect);
}
void PlaceholderSignalLamp(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_signallamps[i], c.geometry.ObjectRectSignalLamp(i));
}
void PlaceholderEventCounter(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_eventcounters[i], c.geometry.ObjectRectEventCounter(i));
}
void PlaceholderEventTimer(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_eventtimers[i], c.geometry.ObjectRectEventTimer(i));
}
void PlaceholderPushButton(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_pushbuttons[i], c.geometry.ObjectRectPushButton(i));
}
void PlaceholderButtonArray(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_buttonarrays[i], c.geometry.ObjectRectButtonArray(i));
}
void PlaceholderRockerSwitch(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_rockerswitches[i], c.geometry.ObjectRectRockerSwitch(i));
}
void PlaceholderSliderControl(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_slidercontrols[i], c.geometry.ObjectRectSliderControl(i));
}
void PlaceholderPIController(DrawingContext& c, int i) {
  DrawFrame(c, c.doc.m_picontrollers[i], c.geometry.ObjectRectPIController(i));
}
void PlaceholderChartRecorder(DrawingContext& c, int i, const Rect& rect) {
  DrawFrame(c, c.doc.m_chartrecorders[i], rect);
}
void PlaceholderKeypad(DrawingContext& c, int i, const Rect& keypad) {
  DrawFrame(c, c.doc.m_inputwindows[i], keypad);
}

}  // namespace korvix
