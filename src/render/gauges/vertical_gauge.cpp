#include "render/gauges/vertical_gauge.h"

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

struct VerticalLayout {
  Rect track;
  Rect channel;  // inside the track's bevel: where the bar rises
  Rect warningstrip;
  LineScale scale;
  int labelleft = 0;
  Rect titlebox;
  Rect valuebox;
  Font labelfont;
  Font titlefont;
  Font valuefont;
};

VerticalLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect, const VerticalGaugeRecord& record) {
  VerticalLayout l;
  const int f = view.m_fontfactor;
  const int pad = BevelLines(view) + 2 * f;
  l.labelfont = GaugeFont(kFaceArial, view, record.sizecode, 4);
  l.titlefont = GaugeFont(kFaceTimesNewRoman, view, record.sizecode, 5);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 5);
  SelectedFont font(dc, l.titlefont);
  const int titleheight = dc.GetTextExtent("T").cy;
  SelectedFont valuefont(dc, l.valuefont);
  const int valueheight = dc.GetTextExtent("0").cy;
  SelectedFont labelfont(dc, l.labelfont);
  const int labelhalf = dc.GetTextExtent("0").cy / 2;
  l.titlebox = {rect.left + pad, rect.top + pad, rect.right - pad, rect.top + pad + titleheight};
  l.valuebox = {rect.left + pad, rect.bottom - pad - valueheight, rect.right - pad, rect.bottom - pad};
  const int width = Width(rect) - 2 * pad;
  const int trackleft = rect.left + pad + width / 8;
  const int trackwidth = std::max(2 * BevelLines(view) + 4 * f, width / 4);
  l.track = {trackleft, l.titlebox.bottom + labelhalf + f, trackleft + trackwidth, l.valuebox.top - labelhalf - f};
  l.channel = Inflated(l.track, -BevelLines(view), -BevelLines(view));
  const int stripwidth = 3 * f;
  l.warningstrip = {l.track.right + f, l.channel.top, l.track.right + f + stripwidth, l.channel.bottom};
  l.scale.zero = {l.warningstrip.right + f, l.channel.bottom - 1};
  l.scale.full = {l.warningstrip.right + f, l.channel.top};
  l.scale.side = {1, 0};
  l.scale.ticks = record.tickmarks;
  l.scale.submarks = record.submarks;
  l.scale.majorlength = std::max(4 * f, width / 8);
  l.scale.minorlength = l.scale.majorlength / 2;
  l.scale.majorpen = SolidPen(1, record.gaugecolor);
  l.scale.minorpen = SolidPen(1, record.gaugecolor);
  l.labelleft = l.scale.zero.x + l.scale.majorlength + 2 * f;
  return l;
}

void Paint(DeviceContext& dc, const ViewState& view, const Rect& rect, const VerticalLayout& l,
           const VerticalGaugeRecord& record, const std::optional<double>& at) {
  DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  DrawBevelSunken(view, l.track.left, l.track.top, l.track.right, l.track.bottom, dc, kScaleFace);
  if (at) {
    const int height = static_cast<int>(std::lround(*at * Height(l.channel)));
    dc.FillRect({l.channel.left, l.channel.bottom - height, l.channel.right, l.channel.bottom}, kBarColour);
  }
  if (const auto warning = WarningPosition(record)) {
    const int bottom = LinePoint(l.scale, *warning).y + 1;
    dc.FillRect({l.warningstrip.left, l.warningstrip.top, l.warningstrip.right, bottom}, kWarningColour);
  }
  DrawLineMarks(dc, l.scale);
  if (record.showvalues && record.tickmarks >= 2) {
    for (int k = 0; k < record.tickmarks; ++k) {
      const std::string label = TickLabel(record, k, record.tickmarks);
      const Point mark = LinePoint(l.scale, static_cast<double>(k) / (record.tickmarks - 1));
      const Rect box = TextBoxAt(dc, label, l.labelfont, mark);
      DrawTextLine(dc, label, Offset(box, l.labelleft - box.left, 0), l.labelfont, record.gaugecolor);
    }
  }
  DrawTextLine(dc, record.title, l.titlebox, l.titlefont, record.gaugecolor);
  DrawTextLine(dc, record.valuetext, l.valuebox, l.valuefont, record.gaugecolor);
}

}  // namespace

void DrawVerticalGauge(DrawingContext& context, int index) {
  VerticalGaugeRecord& record = context.doc.m_vertgauges[index];
  std::string& drawn = context.states.Of<ScreenObjectKind::VerticalGauge>()[index].uneditedtext;
  const Rect rect = context.geometry.ObjectRectVerticalGauge(index);
  if (IsEmpty(rect)) {
    drawn = record.valuetext;
    return;
  }
  SavedState saved(context.dc);
  const VerticalLayout layout = Layout(context.dc, context.view, rect, record);
  const std::optional<double> at = ScalePosition(ScaleOf(record), record.valuetext);
  if (drawn != record.valuetext) {
    const Rect areas[] = {layout.channel, layout.valuebox};
    ClipToAreas(context.dc, rect, areas);
  }
  Paint(context.dc, context.view, rect, layout, record, at);
  drawn = record.valuetext;
}

}  // namespace korvix
