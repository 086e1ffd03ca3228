#include "render/gauges/wind_vane.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "render/gauges/gauge_colours.h"
#include "render/gauges/gauge_painting.h"
#include "render/gauges/gauge_scale.h"
#include "render/gauges/round_face.h"
#include "render/selection.h"

namespace korvix {

namespace {

// The sixteen points of the compass, clockwise from north.
constexpr std::array<std::string_view, 16> kPoints{"N", "NNE", "NE", "ENE", "E", "ESE", "SE", "SSE",
                                                   "S", "SSW", "SW", "WSW", "W", "WNW", "NW", "NNW"};

struct VaneLayout {
  RoundFace round;
  ArcScale scale;
  double arrowlength = 0;
  double arrowwidth = 0;
  double hubradius = 0;
  Rect titlebox;
  Rect valuebox;
  Font pointfont;
  Font titlefont;
  Font valuefont;
};

VaneLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect, const WindVaneRecord& record) {
  VaneLayout l;
  l.round = RoundFaceIn(view, rect);
  const double r = l.round.radius;
  l.scale =
      FullTurnScale(view, l.round, record.tickmarks > 0 ? record.tickmarks + 1 : 0, record.submarks, record.gaugecolor);
  l.arrowlength = r * 0.62;
  l.arrowwidth = std::max(3.0, r * 0.07);
  l.hubradius = std::max(2.0, r * 0.05);
  l.pointfont = GaugeFont(kFaceArial, view, record.sizecode, 4);
  l.titlefont = GaugeFont(kFaceTimesNewRoman, view, record.sizecode, 4);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 5);
  const int cx = static_cast<int>(l.round.centre.x);
  const int cy = static_cast<int>(l.round.centre.y);
  const int half = static_cast<int>(r * 0.4);
  SelectedFont font(dc, l.titlefont);
  const int titleheight = dc.GetTextExtent("T").cy;
  l.titlebox = {cx - half, cy - static_cast<int>(r * 0.3) - titleheight, cx + half, cy - static_cast<int>(r * 0.3)};
  SelectedFont valuefont(dc, l.valuefont);
  const int valueheight = dc.GetTextExtent("0").cy;
  l.valuebox = {cx - half, cy + static_cast<int>(r * 0.3), cx + half, cy + static_cast<int>(r * 0.3) + valueheight};
  return l;
}

Rect ArrowArea(const VaneLayout& l, const std::optional<double>& bearing) {
  if (!bearing) return {};
  return Union(ArrowBounds(l.scale.centre, l.arrowlength, BearingAngle(*bearing), l.arrowwidth),
               DiscBounds(l.scale.centre, l.hubradius));
}

void Paint(DeviceContext& dc, const ViewState& view, const VaneLayout& l, const WindVaneRecord& record,
           const std::optional<double>& bearing, bool withframe) {
  DrawRoundFace(dc, view, l.round, kDarkFace, withframe);
  DrawArcMarks(dc, l.scale);
  // Labels sit on the marks, so only the counts that fall on compass points
  // get them.
  const bool onpoints = record.tickmarks == 4 || record.tickmarks == 8 || record.tickmarks == 16;
  if (record.showlabels && onpoints) {
    const int stride = static_cast<int>(kPoints.size()) / record.tickmarks;
    for (int k = 0; k < static_cast<int>(kPoints.size()); k += stride) {
      const double at = static_cast<double>(k) / kPoints.size();
      const Point centre = Pixel(Polar(l.scale.centre, l.round.radius * 0.7, TurnAngle(at)));
      const std::string_view text = kPoints[static_cast<std::size_t>(k)];
      DrawTextLine(dc, text, TextBoxAt(dc, text, l.pointfont, centre), l.pointfont, record.gaugecolor);
    }
  }
  DrawTextLine(dc, record.title, l.titlebox, l.titlefont, record.gaugecolor);
  DrawTextLine(dc, record.valuetext, l.valuebox, l.valuefont, record.gaugecolor);
  if (bearing) {
    DrawArrow(dc, l.scale.centre, l.arrowlength, BearingAngle(*bearing), l.arrowwidth, kNeedleColour);
    DrawDisc(dc, l.scale.centre, l.hubradius, kHubColour);
  }
}

}  // namespace

void DrawWindVane(DrawingContext& context, int index) {
  WindVaneRecord& record = context.doc.m_windvanes[index];
  std::string& drawn = context.states.Of<ScreenObjectKind::WindVane>()[index].uneditedtext;
  const Rect rect = context.geometry.ObjectRectWindVane(index);
  if (IsEmpty(rect)) {
    drawn = record.valuetext;
    return;
  }
  SavedState saved(context.dc);
  const VaneLayout layout = Layout(context.dc, context.view, rect, record);
  const std::optional<double> bearing = WindVaneBearing(record, record.valuetext);
  bool withframe = true;
  if (drawn != record.valuetext) {
    const Rect areas[] = {ArrowArea(layout, WindVaneBearing(record, drawn)), ArrowArea(layout, bearing),
                          layout.valuebox};
    withframe = !ClipPartialRedraw(context.dc, rect, layout.round, areas);
  }
  Paint(context.dc, context.view, layout, record, bearing, withframe);
  drawn = record.valuetext;
}

}  // namespace korvix
