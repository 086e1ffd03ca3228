#include "render/gauges/meter_gauge.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "render/bevel.h"
#include "render/gauges/gauge_colours.h"
#include "render/gauges/gauge_painting.h"
#include "render/gauges/gauge_scale.h"
#include "render/selection.h"

namespace korvix {

namespace {

struct MeterLayout {
  Rect face;
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

MeterLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect, const MeterGaugeRecord& record) {
  MeterLayout l;
  const int pad = BevelLines(view) + 2 * view.m_fontfactor;
  l.labelfont = GaugeFont(kFaceArial, view, record.sizecode, 4);
  l.titlefont = GaugeFont(kFaceTimesNewRoman, view, record.sizecode, 5);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 5);
  SelectedFont font(dc, l.valuefont);
  const int bandheight = dc.GetTextExtent("0").cy + 2 * view.m_fontfactor;
  const Rect band{rect.left + pad, rect.bottom - pad - bandheight, rect.right - pad, rect.bottom - pad};
  const int split = band.left + Width(band) * 3 / 5;
  l.titlebox = {band.left, band.top, split, band.bottom};
  l.valuebox = {split, band.top, band.right, band.bottom};
  l.face = {rect.left + pad, rect.top + pad, rect.right - pad, band.top - view.m_fontfactor};
  const Rect inner = Inflated(l.face, -BevelLines(view), -BevelLines(view));
  l.hubradius = std::max(2.0, Height(inner) * 0.07);
  const PointF pivot{(inner.left + inner.right) / 2.0, inner.bottom - l.hubradius - view.m_fontfactor};
  const double r = std::max(0.0, std::min(Width(inner) / 2.0, pivot.y - inner.top) * 0.94);
  l.scale.centre = pivot;
  l.scale.radius = r;
  l.scale.angle = MeterAngle;
  l.scale.ticks = record.tickmarks;
  l.scale.submarks = record.submarks;
  l.scale.majorlength = r * 0.14;
  l.scale.minorlength = r * 0.07;
  l.scale.majorpen = SolidPen(2 * StrokeWidth(view), record.gaugecolor);
  l.scale.minorpen = SolidPen(StrokeWidth(view), record.gaugecolor);
  l.needlelength = r * 0.86;
  l.needlewidth = std::max(3.0, r * 0.06);
  l.labelradius = r * 0.68;
  return l;
}

Rect NeedleArea(const MeterLayout& l, const std::optional<double>& at) {
  if (!at) return {};
  return Union(NeedleBounds(l.scale.centre, l.needlelength, MeterAngle(*at), l.needlewidth),
               DiscBounds(l.scale.centre, l.hubradius));
}

void Paint(DeviceContext& dc, const ViewState& view, const Rect& rect, const MeterLayout& l,
           const MeterGaugeRecord& record, const std::optional<double>& at) {
  DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  DrawBevelSunken(view, l.face.left, l.face.top, l.face.right, l.face.bottom, dc, kScaleFace);
  if (const auto warning = WarningPosition(record))
    DrawArcBand(dc, l.scale, l.scale.radius - l.scale.majorlength / 2, static_cast<int>(l.scale.majorlength / 2),
                *warning, 1.0, kWarningColour);
  DrawArcMarks(dc, l.scale);
  if (record.showvalues && record.tickmarks >= 2) {
    std::vector<std::string> labels;
    for (int k = 0; k < record.tickmarks; ++k) labels.push_back(TickLabel(record, k, record.tickmarks));
    DrawArcLabels(dc, l.scale, labels, l.labelradius, l.labelfont, record.gaugecolor);
  }
  DrawTextLine(dc, record.title, l.titlebox, l.titlefont, record.gaugecolor, TextFormat::Left);
  DrawTextLine(dc, record.valuetext, l.valuebox, l.valuefont, record.gaugecolor, TextFormat::Right);
  if (at) DrawNeedle(dc, l.scale.centre, l.needlelength, MeterAngle(*at), l.needlewidth, kNeedleColour);
  DrawDisc(dc, l.scale.centre, l.hubradius, kHubColour);
}

}  // namespace

void DrawMeterGauge(DrawingContext& context, int index) {
  MeterGaugeRecord& record = context.doc.m_metergauges[index];
  std::string& drawn = context.states.Of<ScreenObjectKind::MeterGauge>()[index].uneditedtext;
  const Rect rect = context.geometry.ObjectRectMeterGauge(index);
  if (IsEmpty(rect)) {
    drawn = record.valuetext;
    return;
  }
  SavedState saved(context.dc);
  const MeterLayout layout = Layout(context.dc, context.view, rect, record);
  const GaugeScale scale = ScaleOf(record);
  const std::optional<double> at = ScalePosition(scale, record.valuetext);
  if (drawn != record.valuetext) {
    const Rect areas[] = {NeedleArea(layout, ScalePosition(scale, drawn)), NeedleArea(layout, at), layout.valuebox};
    ClipToAreas(context.dc, rect, areas);
  }
  Paint(context.dc, context.view, rect, layout, record, at);
  drawn = record.valuetext;
}

}  // namespace korvix
