#pragma once

#include <optional>
#include <string_view>

#include "document/korvix_doc.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// A slider value text read in its `valuetype` (0 Dec, 1 Hex, 2 Bin); no value
// for a text that is no number of that type ("Error", "Overflow", "", "12a")
// or lies outside the 32-bit range.
std::optional<double> SliderNumber(std::string_view text, int valuetype);

// Where on the track a value lies: the pixel between ybottom (the bottom
// value's end) and ytop (the top value's end), in proportion, pinned to the
// ends for values outside the range. A range whose ends are equal puts every
// value at the bottom end. Either end may be the larger number.
int SliderPosition(double value, double bottom, double top, int ybottom, int ytop);

// The span of y over which the knob's centre travels, and the knob's size.
struct SliderTrack {
  int ytop = 0;     // knob centre at the top value
  int ybottom = 0;  // knob centre at the bottom value
  int centrex = 0;
  int knobwidth = 0;
  int knobheight = 0;
};

// The slider's rectangle by the same rules as the whole object's, leaving the
// record untouched.
Rect SliderControlRect(const SliderControlRecord& record, const ViewState& view);
SliderTrack SliderTrackOf(const SliderControlRecord& record, const ViewState& view);

// The knob, two cell widths wide, centred on the slider, at the place of its
// current value; a value that is no number puts it at the bottom end.
Rect ObjectRectSliderKnob(const CKorvixDoc& doc, const ViewState& view, int index);

}  // namespace korvix
