#include "render/gauges/level_gauge.h"

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

struct LevelLayout {
  Rect tank;
  Rect liquid;  // inside the tank's bevel: where the fill rises
  LineScale scale;
  int labelleft = 0;
  Rect titlebox;
  Rect valuebox;
  Font labelfont;
  Font titlefont;
  Font valuefont;
};

LevelLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect, const LevelGaugeRecord& record) {
  LevelLayout l;
  const int f = view.m_fontfactor;
  const int pad = BevelLines(view) + 2 * f;
  l.labelfont = GaugeFont(kFaceArial, view, record.sizecode, 3);
  l.titlefont = GaugeFont(kFaceTimesNewRoman, view, record.sizecode, 4);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 4);
  SelectedFont font(dc, l.titlefont);
  const int titleheight = dc.GetTextExtent("T").cy;
  SelectedFont valuefont(dc, l.valuefont);
  const int valueheight = dc.GetTextExtent("0").cy;
  SelectedFont labelfont(dc, l.labelfont);
  const int labelhalf = dc.GetTextExtent("0").cy / 2;
  l.titlebox = {rect.left + pad, rect.top + pad, rect.right - pad, rect.top + pad + titleheight};
  l.valuebox = {rect.left + pad, rect.bottom - pad - valueheight, rect.right - pad, rect.bottom - pad};
  const int width = Width(rect) - 2 * pad;
  // Without numbers the tank takes most of the width.
  const int tankwidth = record.showvalues ? width * 2 / 5 : width * 3 / 4;
  const int tankleft = rect.left + pad + (record.showvalues ? width / 10 : (width - tankwidth) / 3);
  l.tank = {tankleft, l.titlebox.bottom + labelhalf + f, tankleft + tankwidth, l.valuebox.top - labelhalf - f};
  l.liquid = Inflated(l.tank, -BevelLines(view), -BevelLines(view));
  l.scale.zero = {l.tank.right + f, l.liquid.bottom - 1};
  l.scale.full = {l.tank.right + f, l.liquid.top};
  l.scale.side = {1, 0};
  l.scale.ticks = record.tickmarks;
  l.scale.majorlength = std::max(3 * f, width / 10);
  l.scale.majorpen = SolidPen(1, record.gaugecolor);
  l.labelleft = l.scale.zero.x + l.scale.majorlength + f;
  return l;
}

// A line across the tank where a recorded extreme lies.
void DrawSeenMark(DeviceContext& dc, const ViewState& view, const LevelLayout& l, const GaugeScale& scale, int seen) {
  const double at = ScaleFraction(seen, static_cast<double>(scale.start), static_cast<double>(scale.end));
  const int y = LinePoint(l.scale, at).y;
  const int half = StrokeWidth(view);
  dc.FillRect({l.liquid.left, y - half + 1, l.liquid.right, y + half}, kNeedleColour);
}

}  // namespace

void DrawLevelGauge(DrawingContext& context, int index) {
  DeviceContext& dc = context.dc;
  const ViewState& view = context.view;
  const LevelGaugeRecord& record = context.doc.m_levelgauges[index];
  const Rect rect = context.geometry.ObjectRectLevelGauge(index);
  if (IsEmpty(rect)) return;
  SavedState saved(dc);
  const LevelLayout l = Layout(dc, view, rect, record);
  const GaugeScale scale = ScaleOf(record);
  DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  DrawBevelSunken(view, l.tank.left, l.tank.top, l.tank.right, l.tank.bottom, dc, kScaleFace);
  if (const auto at = ScalePosition(scale, record.valuetext)) {
    const int height = static_cast<int>(std::lround(*at * Height(l.liquid)));
    dc.FillRect({l.liquid.left, l.liquid.bottom - height, l.liquid.right, l.liquid.bottom},
                static_cast<Colour>(record.barcolor));
  }
  // Both at 0 is how a new or just edited gauge says that it has seen none.
  if (record.showminmax && (record.minseen != 0 || record.maxseen != 0)) {
    DrawSeenMark(dc, view, l, scale, record.minseen);
    DrawSeenMark(dc, view, l, scale, record.maxseen);
  }
  DrawLineMarks(dc, l.scale);
  if (record.showvalues && record.tickmarks >= 2) {
    for (int k = 0; k < record.tickmarks; ++k) {
      const std::string label = TickLabel(record, k, record.tickmarks);
      const Point at = LinePoint(l.scale, static_cast<double>(k) / (record.tickmarks - 1));
      const Rect box = TextBoxAt(dc, label, l.labelfont, at);
      DrawTextLine(dc, label, Offset(box, l.labelleft - box.left, 0), l.labelfont, record.gaugecolor);
    }
  }
  DrawTextLine(dc, record.title, l.titlebox, l.titlefont, record.gaugecolor);
  DrawTextLine(dc, record.valuetext, l.valuebox, l.valuefont, record.gaugecolor);
}

}  // namespace korvix
