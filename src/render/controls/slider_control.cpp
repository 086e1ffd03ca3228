#include "render/controls/slider_control.h"

#include <optional>
#include <string>

#include "render/bevel.h"
#include "render/box3d.h"
#include "render/controls/control_parts.h"
#include "render/controls/slider_knob.h"
#include "render/selection.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr int kHex = 1;
constexpr int kBinary = 2;
constexpr Colour kSlot = Grey(0);
constexpr Colour kScale = Grey(0);
constexpr Colour kGroove = Grey(51);

std::string ScaleText(double value, int valuetype) {
  const auto n = static_cast<int32_t>(value);
  if (valuetype == kHex) return FormatHexText(n);
  if (valuetype == kBinary) return FormatBinaryText(n);
  return FormatNumberText(n, 0);
}

struct Scale {
  const SliderControlRecord& r;
  const SliderTrack& track;
  int tickleft;
  int tickright;
  int labelleft;
  int labelright;
};

void DrawScale(DeviceContext& dc, const ViewState& view, const Scale& s) {
  const std::optional<double> bottom = SliderNumber(s.r.bottomvalue, s.r.valuetype);
  const std::optional<double> top = SliderNumber(s.r.topvalue, s.r.valuetype);
  const int ticks = s.r.tickmarks;
  const int travel = s.track.ybottom - s.track.ytop;
  if (ticks >= 2) {
    SelectedPen pen(dc, SolidPen(1, kScale));
    for (int i = 0; i < ticks; ++i) {
      const int y = s.track.ybottom - travel * i / (ticks - 1);
      dc.MoveTo({s.tickleft, y});
      dc.LineTo({s.tickright, y});
    }
  }
  if (!s.r.showvalues) return;
  const Font font = ObjectFont(kFaceArial, s.r.sizecode, view, 3);
  int half = 0;
  {
    SelectedFont measured(dc, font);
    half = dc.GetTextExtent("0").cy / 2 + 1;
  }
  const auto label = [&](std::string_view text, int y) {
    DrawLabel(dc, text, {s.labelleft, y - half, s.labelright, y + half + 1}, font, kScale, TextFormat::Right);
  };
  // Crowded ticks are labelled at the ends only.
  const bool everytick = ticks >= 2 && bottom && top && travel / (ticks - 1) >= 2 * half;
  if (!everytick) {
    label(s.r.bottomvalue, s.track.ybottom);
    label(s.r.topvalue, s.track.ytop);
    return;
  }
  for (int i = 0; i < ticks; ++i) {
    const double value = *bottom + (*top - *bottom) * i / (ticks - 1);
    label(ScaleText(value, s.r.valuetype), s.track.ybottom - travel * i / (ticks - 1));
  }
}

}  // namespace

void DrawSliderControl(DrawingContext& context, int index) {
  DeviceContext& dc = context.dc;
  const ViewState& view = context.view;
  const SliderControlRecord& r = context.doc.m_slidercontrols[index];
  const Rect rect = context.geometry.ObjectRectSliderControl(index);
  const SliderTrack track = SliderTrackOf(r, view);
  const Rect knob = ObjectRectSliderKnob(context.doc, view, index);
  const int edge = BevelEdge(view);

  DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  const int bandbottom = track.ytop - track.knobheight / 2;
  DrawLabel(dc, r.title, {rect.left + edge, rect.top, rect.right - edge, bandbottom},
            ObjectFont(kFaceTimesNewRoman, r.sizecode, view, 6), static_cast<Colour>(r.textcolor));

  const int slot = edge + 1;
  DrawBevelSunken(view, track.centrex - slot, track.ytop - slot, track.centrex + slot, track.ybottom + slot + 1, dc,
                  kSlot);

  // Values are right-aligned beside the slot, so a long one reaches under the
  // knob rather than being cut at the slider's edge.
  const int gap = edge + 1;
  DrawScale(dc, view,
            {r, track, rect.left + edge + gap, knob.left - gap, track.centrex + slot + gap, rect.right - edge - 1});

  Draw3DBox(view, knob, dc, 0, kSchemeGray);
  const int groove = (knob.top + knob.bottom) / 2;
  if (!SliderNumber(r.valuetext, r.valuetype)) {
    const std::string_view shown = IsFaultText(r.valuetext) ? std::string_view(r.valuetext) : kErrorText;
    DrawLabel(dc, shown, knob, ObjectFont(kFaceArial, r.sizecode, view, 3), kGroove);
    return;
  }
  SelectedPen pen(dc, SolidPen(1, kGroove));
  dc.MoveTo({knob.left + edge + 1, groove});
  dc.LineTo({knob.right - edge - 1, groove});
}

}  // namespace korvix
