#include "render/gauges/dial_gauge.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "render/gauges/gauge_colours.h"
#include "render/gauges/gauge_painting.h"
#include "render/gauges/gauge_scale.h"
#include "render/gauges/round_face.h"
#include "render/selection.h"

namespace korvix {

namespace {

struct DialLayout {
  RoundFace round;
  ArcScale scale;
  double needlelength = 0;
  double needlewidth = 0;
  double hubradius = 0;
  double labelradius = 0;
  Rect titlebox;
  Rect valuebox;
  Font labelfont;
  Font titlefont;
  Font valuefont;
};

DialLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect, const DialGaugeRecord& record) {
  DialLayout l;
  l.round = RoundFaceIn(view, rect);
  const PointF centre = l.round.centre;
  const double r = l.round.radius;
  l.scale.centre = centre;
  l.scale.radius = r * 0.92;
  l.scale.angle = DialAngle;
  l.scale.ticks = record.tickmarks;
  l.scale.submarks = record.submarks;
  l.scale.majorlength = r * 0.12;
  l.scale.minorlength = r * 0.06;
  l.scale.majorpen = SolidPen(2 * StrokeWidth(view), record.gaugecolor);
  l.scale.minorpen = SolidPen(StrokeWidth(view), record.gaugecolor);
  l.needlelength = r * 0.78;
  l.needlewidth = std::max(3.0, r * 0.07);
  l.hubradius = std::max(2.0, r * 0.07);
  l.labelradius = r * 0.64;
  l.labelfont = GaugeFont(kFaceArial, view, record.sizecode, 4);
  l.titlefont = GaugeFont(kFaceTimesNewRoman, view, record.sizecode, 5);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 6);
  const int half = static_cast<int>(r * 0.42);
  const int cx = static_cast<int>(centre.x);
  const int cy = static_cast<int>(centre.y);
  SelectedFont font(dc, l.valuefont);
  const int valueheight = dc.GetTextExtent("0").cy;
  l.valuebox = {cx - half, cy + static_cast<int>(r * 0.42), cx + half, cy + static_cast<int>(r * 0.42) + valueheight};
  SelectedFont titlefont(dc, l.titlefont);
  const int titleheight = dc.GetTextExtent("T").cy;
  l.titlebox = {cx - half, cy - static_cast<int>(r * 0.3) - titleheight, cx + half, cy - static_cast<int>(r * 0.3)};
  return l;
}

// Where the needle of a value lies, hub included; empty without a needle.
Rect NeedleArea(const DialLayout& l, const std::optional<double>& at) {
  if (!at) return {};
  return Union(NeedleBounds(l.scale.centre, l.needlelength, DialAngle(*at), l.needlewidth),
               DiscBounds(l.scale.centre, l.hubradius));
}

void PaintFace(DeviceContext& dc, const ViewState& view, const DialLayout& l, const DialGaugeRecord& record,
               const std::optional<double>& at, bool withframe) {
  DrawRoundFace(dc, view, l.round, kScaleFace, withframe);
  if (const auto warning = WarningPosition(record))
    DrawArcBand(dc, l.scale, l.scale.radius - l.scale.majorlength / 2, static_cast<int>(l.scale.majorlength / 2),
                *warning, 1.0, kWarningColour);
  DrawArcMarks(dc, l.scale);
  if (record.showvalues && record.tickmarks >= 2) {
    std::vector<std::string> labels;
    for (int k = 0; k < record.tickmarks; ++k) labels.push_back(TickLabel(record, k, record.tickmarks));
    DrawArcLabels(dc, l.scale, labels, l.labelradius, l.labelfont, record.gaugecolor);
  }
  DrawTextLine(dc, record.title, l.titlebox, l.titlefont, record.gaugecolor);
  DrawTextLine(dc, record.valuetext, l.valuebox, l.valuefont, record.gaugecolor);
  if (at) {
    DrawNeedle(dc, l.scale.centre, l.needlelength, DialAngle(*at), l.needlewidth, kNeedleColour);
    DrawDisc(dc, l.scale.centre, l.hubradius, kHubColour);
  }
}

}  // namespace

void DrawDialGauge(DrawingContext& context, int index) {
  DialGaugeRecord& record = context.doc.m_dialgauges[index];
  std::string& drawn = context.states.Of<ScreenObjectKind::DialGauge>()[index].uneditedtext;
  const Rect rect = context.geometry.ObjectRectDialGauge(index);
  if (IsEmpty(rect)) {
    drawn = record.valuetext;
    return;
  }
  SavedState saved(context.dc);
  const DialLayout layout = Layout(context.dc, context.view, rect, record);
  const GaugeScale scale = ScaleOf(record);
  const std::optional<double> at = ScalePosition(scale, record.valuetext);
  bool withframe = true;
  if (drawn != record.valuetext) {
    const Rect areas[] = {NeedleArea(layout, ScalePosition(scale, drawn)), NeedleArea(layout, at), layout.valuebox};
    withframe = !ClipPartialRedraw(context.dc, rect, layout.round, areas);
  }
  PaintFace(context.dc, context.view, layout, record, at, withframe);
  drawn = record.valuetext;
}

}  // namespace korvix
