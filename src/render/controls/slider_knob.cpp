#include "render/controls/slider_knob.h"

#include <algorithm>
#include <cmath>

#include "render/controls/control_parts.h"
#include "render/font_cell.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr int kHex = 1;
constexpr int kBinary = 2;

int Trunc(double value) { return static_cast<int>(value); }

// The title band above the track, as tall as the Rocker Switch's.
int TitleBand(const ViewState& view, int sizecode) { return Trunc(0.59 * ScaledCellHeight(view, sizecode)); }

}  // namespace

std::optional<double> SliderNumber(std::string_view text, int valuetype) {
  const std::string_view digits = valuetype == kHex      ? "0123456789abcdefABCDEF"
                                  : valuetype == kBinary ? "01"
                                                         : "0123456789";
  std::string_view body = text;
  if (!body.empty() && body.front() == '-') body.remove_prefix(1);
  const std::string allowed = std::string(digits) + (valuetype == kHex || valuetype == kBinary ? "" : ".");
  if (body.find_first_not_of(allowed) != std::string_view::npos) return std::nullopt;
  if (body.find_first_of(digits) == std::string_view::npos) return std::nullopt;

  NumberTexts texts;
  if (valuetype == kHex || valuetype == kBinary) {
    const int32_t n = valuetype == kHex ? texts.ParseHexText(text) : texts.ParseBinaryText(text);
    if (texts.m_overflow) return std::nullopt;
    return n;
  }
  const int32_t n = texts.ParseNumberText(text);
  if (texts.m_overflow) return std::nullopt;
  return n / std::pow(10.0, texts.m_decimals);
}

int SliderPosition(double value, double bottom, double top, int ybottom, int ytop) {
  const double span = top - bottom;
  if (span == 0) return ybottom;
  const double fraction = std::clamp((value - bottom) / span, 0.0, 1.0);
  return ybottom + static_cast<int>(std::lround(fraction * (ytop - ybottom)));
}

Rect SliderControlRect(const SliderControlRecord& record, const ViewState& view) {
  const int width = SnapExtent(Trunc(ScaledCellWidth(view, record.sizecode) * record.widthfactor), view.m_gridsize);
  const int height = SnapExtent(Trunc(ScaledCellHeight(view, record.sizecode) * record.heightfactor), view.m_gridsize);
  const int left = std::max(record.x, 0) * view.m_fontfactor - view.m_scrollx;
  const int top = std::max(record.y, 0) * view.m_fontfactor - view.m_scrolly;
  return {left, top, left + width, top + height};
}

SliderTrack SliderTrackOf(const SliderControlRecord& record, const ViewState& view) {
  const Rect rect = SliderControlRect(record, view);
  const int cw = ScaledCellWidth(view, record.sizecode);
  SliderTrack track;
  track.centrex = (rect.left + rect.right) / 2;
  track.knobwidth = 2 * cw;
  track.knobheight = Trunc(0.4 * ScaledCellHeight(view, record.sizecode));
  const int edge = BevelEdge(view);
  const int top = rect.top + TitleBand(view, record.sizecode);
  const int bottom = rect.bottom - edge;
  track.ytop = top + track.knobheight / 2;
  track.ybottom = bottom - (track.knobheight - track.knobheight / 2);
  // A slider too short for its knob keeps the knob in the middle.
  if (track.ybottom < track.ytop) track.ytop = track.ybottom = (top + bottom) / 2;
  return track;
}

Rect ObjectRectSliderKnob(const CKorvixDoc& doc, const ViewState& view, int index) {
  const SliderControlRecord& r = doc.m_slidercontrols[index];
  const SliderTrack track = SliderTrackOf(r, view);
  const std::optional<double> value = SliderNumber(r.valuetext, r.valuetype);
  const std::optional<double> bottom = SliderNumber(r.bottomvalue, r.valuetype);
  const std::optional<double> top = SliderNumber(r.topvalue, r.valuetype);
  const int y =
      value && bottom && top ? SliderPosition(*value, *bottom, *top, track.ybottom, track.ytop) : track.ybottom;
  const int left = track.centrex - track.knobwidth / 2;
  const int knobtop = y - track.knobheight / 2;
  return {left, knobtop, left + track.knobwidth, knobtop + track.knobheight};
}

}  // namespace korvix
