#include "render/gauges/horizontal_gauge.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "render/bevel.h"
#include "render/gauges/gauge_colours.h"
#include "render/gauges/gauge_painting.h"
#include "render/gauges/gauge_scale.h"
#include "render/selection.h"

namespace korvix {

namespace {

struct HorizontalLayout {
  Rect track;
  Rect channel;  // inside the track's bevel: where the bar grows
  Rect warningstrip;
  LineScale scale;
  int labeltop = 0;
  Rect titlebox;
  Rect valuebox;
  Font labelfont;
  Font titlefont;
  Font valuefont;
};

HorizontalLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect,
                        const HorizontalGaugeRecord& record) {
  HorizontalLayout l;
  const int f = view.m_fontfactor;
  const int pad = BevelLines(view) + 2 * f;
  l.labelfont = GaugeFont(kFaceArial, view, record.sizecode, 3);
  l.titlefont = GaugeFont(kFaceTimesNewRoman, view, record.sizecode, 4);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 4);
  SelectedFont font(dc, l.valuefont);
  const int bandheight = dc.GetTextExtent("0").cy;
  SelectedFont labelfont(dc, l.labelfont);
  const Size label = dc.GetTextExtent("000");
  const Rect band{rect.left + pad, rect.top + pad, rect.right - pad, rect.top + pad + bandheight};
  const int split = band.left + Width(band) * 3 / 5;
  l.titlebox = {band.left, band.top, split, band.bottom};
  l.valuebox = {split, band.top, band.right, band.bottom};
  const int height = Height(rect) - 2 * pad;
  const int trackheight = std::max(2 * BevelLines(view) + 4 * f, height / 6);
  l.labeltop = rect.bottom - pad - label.cy;
  l.scale.majorlength = std::max(2 * f, (l.labeltop - band.bottom - trackheight - 5 * f) * 2 / 3);
  l.scale.minorlength = l.scale.majorlength / 2;
  const int stripheight = 2 * f;
  const int tracktop = l.labeltop - l.scale.majorlength - stripheight - 3 * f - trackheight;
  l.track = {rect.left + pad + label.cx / 2, tracktop, rect.right - pad - label.cx / 2, tracktop + trackheight};
  l.channel = Inflated(l.track, -BevelLines(view), -BevelLines(view));
  l.warningstrip = {l.channel.left, l.track.bottom + f, l.channel.right, l.track.bottom + f + stripheight};
  l.scale.zero = {l.channel.left, l.warningstrip.bottom + f};
  l.scale.full = {l.channel.right - 1, l.warningstrip.bottom + f};
  l.scale.side = {0, 1};
  l.scale.ticks = record.tickmarks;
  l.scale.submarks = record.submarks;
  l.scale.majorpen = SolidPen(1, record.gaugecolor);
  l.scale.minorpen = SolidPen(1, record.gaugecolor);
  return l;
}

void Paint(DeviceContext& dc, const ViewState& view, const Rect& rect, const HorizontalLayout& l,
           const HorizontalGaugeRecord& record, const std::optional<double>& at) {
  DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  DrawBevelSunken(view, l.track.left, l.track.top, l.track.right, l.track.bottom, dc, kScaleFace);
  if (at) {
    const int width = static_cast<int>(std::lround(*at * Width(l.channel)));
    dc.FillRect({l.channel.left, l.channel.top, l.channel.left + width, l.channel.bottom}, kBarColour);
  }
  if (const auto warning = WarningPosition(record)) {
    const int left = LinePoint(l.scale, *warning).x;
    dc.FillRect({left, l.warningstrip.top, l.warningstrip.right, l.warningstrip.bottom}, kWarningColour);
  }
  DrawLineMarks(dc, l.scale);
  if (record.showvalues && record.tickmarks >= 2) {
    for (int k = 0; k < record.tickmarks; ++k) {
      const std::string label = TickLabel(record, k, record.tickmarks);
      const Point mark = LinePoint(l.scale, static_cast<double>(k) / (record.tickmarks - 1));
      const Rect box = TextBoxAt(dc, label, l.labelfont, mark);
      DrawTextLine(dc, label, Offset(box, 0, l.labeltop - box.top), l.labelfont, record.gaugecolor);
    }
  }
  DrawTextLine(dc, record.title, l.titlebox, l.titlefont, record.gaugecolor, TextFormat::Left);
  DrawTextLine(dc, record.valuetext, l.valuebox, l.valuefont, record.gaugecolor, TextFormat::Right);
}

}  // namespace

void DrawHorizontalGauge(DrawingContext& context, int index) {
  HorizontalGaugeRecord& record = context.doc.m_horzgauges[index];
  std::string& drawn = context.states.Of<ScreenObjectKind::HorizontalGauge>()[index].uneditedtext;
  const Rect rect = context.geometry.ObjectRectHorizontalGauge(index);
  if (IsEmpty(rect)) {
    drawn = record.valuetext;
    return;
  }
  SavedState saved(context.dc);
  const HorizontalLayout layout = Layout(context.dc, context.view, rect, record);
  const std::optional<double> at = ScalePosition(ScaleOf(record), record.valuetext);
  if (drawn != record.valuetext) {
    const Rect areas[] = {layout.channel, layout.valuebox};
    ClipToAreas(context.dc, rect, areas);
  }
  Paint(context.dc, context.view, rect, layout, record, at);
  drawn = record.valuetext;
}

}  // namespace korvix
