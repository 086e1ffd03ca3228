#include "render/gauges/dual_hand_gauge.h"

#include <algorithm>
#include <optional>
#include <string>

#include "render/gauges/gauge_colours.h"
#include "render/gauges/gauge_painting.h"
#include "render/gauges/gauge_scale.h"
#include "render/gauges/round_face.h"
#include "render/selection.h"

namespace korvix {

namespace {

constexpr int kDigits = 10;

struct DualHandLayout {
  RoundFace round;
  ArcScale scale;
  double longlength = 0;
  double longwidth = 0;
  double shortlength = 0;
  double shortwidth = 0;
  double hubradius = 0;
  Rect titlebox;
  Rect factorbox;
  Rect valuebox;
  Font digitfont;
  Font titlefont;
  Font valuefont;
};

DualHandLayout Layout(DeviceContext& dc, const ViewState& view, const Rect& rect, const DualHandGaugeRecord& record) {
  DualHandLayout l;
  l.round = RoundFaceIn(view, rect);
  const double r = l.round.radius;
  l.scale = FullTurnScale(view, l.round, kDigits + 1, record.submarks, record.gaugecolor);
  l.longlength = r * 0.8;
  l.longwidth = std::max(3.0, r * 0.05);
  l.shortlength = r * 0.52;
  l.shortwidth = std::max(4.0, r * 0.11);
  l.hubradius = std::max(2.0, r * 0.08);
  l.digitfont = GaugeFont(kFaceArial, view, record.sizecode, 5);
  l.titlefont = GaugeFont(kFaceTimesNewRoman, view, record.sizecode, 4);
  l.valuefont = GaugeFont(kFaceArialUnicode, view, record.sizecode, 5);
  const int cx = static_cast<int>(l.round.centre.x);
  const int cy = static_cast<int>(l.round.centre.y);
  const int half = static_cast<int>(r * 0.4);
  SelectedFont font(dc, l.titlefont);
  const int titleheight = dc.GetTextExtent("T").cy;
  l.titlebox = {cx - half, cy - static_cast<int>(r * 0.28) - titleheight, cx + half, cy - static_cast<int>(r * 0.28)};
  l.factorbox = Offset(l.titlebox, 0, -titleheight);
  SelectedFont valuefont(dc, l.valuefont);
  const int valueheight = dc.GetTextExtent("0").cy;
  l.valuebox = {cx - half, cy + static_cast<int>(r * 0.3), cx + half, cy + static_cast<int>(r * 0.3) + valueheight};
  return l;
}

Rect HandsArea(const DualHandLayout& l, const std::optional<HandBearings>& hands) {
  if (!hands) return {};
  const PointF c = l.scale.centre;
  return Union(Union(NeedleBounds(c, l.longlength, BearingAngle(hands->longhand), l.longwidth),
                     NeedleBounds(c, l.shortlength, BearingAngle(hands->shorthand), l.shortwidth)),
               DiscBounds(c, l.hubradius));
}

void Paint(DeviceContext& dc, const ViewState& view, const DualHandLayout& l, const DualHandGaugeRecord& record,
           const std::optional<HandBearings>& hands, bool withframe) {
  DrawRoundFace(dc, view, l.round, kDarkFace, withframe);
  DrawArcMarks(dc, l.scale);
  if (record.showvalues) {
    for (int digit = 0; digit < kDigits; ++digit) {
      const std::string text = std::to_string(digit);
      const double at = static_cast<double>(digit) / kDigits;
      const Point centre = Pixel(Polar(l.scale.centre, l.round.radius * 0.66, TurnAngle(at)));
      DrawTextLine(dc, text, TextBoxAt(dc, text, l.digitfont, centre), l.digitfont, record.gaugecolor);
    }
  }
  if (record.showfactor) {
    std::string factor = "x";
    factor += std::to_string(record.dialfactor);
    DrawTextLine(dc, factor, l.factorbox, l.titlefont, record.gaugecolor);
  }
  DrawTextLine(dc, record.title, l.titlebox, l.titlefont, record.gaugecolor);
  DrawTextLine(dc, record.valuetext, l.valuebox, l.valuefont, record.gaugecolor);
  if (hands) {
    const PointF c = l.scale.centre;
    DrawNeedle(dc, c, l.shortlength, BearingAngle(hands->shorthand), l.shortwidth, record.gaugecolor);
    DrawNeedle(dc, c, l.longlength, BearingAngle(hands->longhand), l.longwidth, kNeedleColour);
    DrawDisc(dc, c, l.hubradius, kHubColour);
  }
}

}  // namespace

void DrawDualHandGauge(DrawingContext& context, int index) {
  DualHandGaugeRecord& record = context.doc.m_dualhandgauges[index];
  std::string& drawn = context.states.Of<ScreenObjectKind::DualHandGauge>()[index].uneditedtext;
  const Rect rect = context.geometry.ObjectRectDualHandGauge(index);
  if (IsEmpty(rect)) {
    drawn = record.valuetext;
    return;
  }
  SavedState saved(context.dc);
  const DualHandLayout layout = Layout(context.dc, context.view, rect, record);
  const std::optional<HandBearings> hands = DualHandBearings(record, record.valuetext);
  bool withframe = true;
  if (drawn != record.valuetext) {
    const Rect areas[] = {HandsArea(layout, DualHandBearings(record, drawn)), HandsArea(layout, hands),
                          layout.valuebox};
    withframe = !ClipPartialRedraw(context.dc, rect, layout.round, areas);
  }
  Paint(context.dc, context.view, layout, record, hands, withframe);
  drawn = record.valuetext;
}

}  // namespace korvix
