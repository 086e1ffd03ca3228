#include "render/controls/rocker_switch.h"

#include <optional>

#include "render/bevel.h"
#include "render/controls/control_parts.h"

namespace korvix {

namespace {

constexpr int kNoValueUsed = 2;
constexpr Colour kHalfFace = Grey(153);
constexpr Colour kWindowFace = Grey(192);
constexpr Colour kValueColour = Rgb(0, 0, 128);

int Trunc(double value) { return static_cast<int>(value); }

// A held half is sunk into the switch; its arrow sinks with it.
void DrawHalf(const ViewState& view, DeviceContext& dc, const Rect& half, const Rect& arrowarea, bool held, Glyph glyph,
              Colour colour) {
  if (held)
    DrawBevelSunken(view, half.left, half.top, half.right, half.bottom, dc, kHalfFace);
  else
    DrawBevelRaised(view, half.left, half.top, half.right, half.bottom, dc);
  DrawGlyph(dc, glyph, held ? Offset(arrowarea, 1, 1) : arrowarea, colour);
}

void Draw(DrawingContext& context, int index, std::optional<RockerHalf> held) {
  DeviceContext& dc = context.dc;
  const ViewState& view = context.view;
  const RockerSwitchRecord& r = context.doc.m_rockerswitches[index];
  const Rect rect = context.geometry.ObjectRectRockerSwitch(index);
  const Rect upper = context.geometry.ObjectRectRockerSwitchUpper(index);
  const Rect lower = context.geometry.ObjectRectRockerSwitchLower(index);
  const Colour textcolour = static_cast<Colour>(r.textcolor);

  DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  DrawLabel(dc, r.title, {rect.left, rect.top, rect.right, upper.top},
            ObjectFont(kFaceTimesNewRoman, r.sizecode, view, 6), textcolour);

  // Each arrow sits in the outer part of its half, clear of the value window.
  const int ch = ScaledCellHeight(view, r.sizecode);
  const bool withvalue = r.initmode != kNoValueUsed;
  const int window = withvalue ? Trunc(0.25 * ch) : 0;
  DrawHalf(view, dc, upper, {upper.left, upper.top, upper.right, upper.bottom - window}, held == RockerHalf::Upper,
           Glyph::Up, textcolour);
  DrawHalf(view, dc, lower, {lower.left, lower.top + window, lower.right, lower.bottom}, held == RockerHalf::Lower,
           Glyph::Down, textcolour);

  if (!withvalue) return;
  const int middle = upper.bottom;
  const int inset = BevelEdge(view) + 2;
  const Rect box{upper.left + inset, middle - window, upper.right - inset, middle + window};
  DrawBevelSunken(view, box.left, box.top, box.right, box.bottom, dc, kWindowFace);
  DrawLabel(dc, r.valuetext, box, ObjectFont(kFaceArialUnicode, r.sizecode, view, 4), kValueColour);
}

}  // namespace

void DrawRockerSwitch(DrawingContext& context, int index) { Draw(context, index, std::nullopt); }

void DrawRockerSwitch(DrawingContext& context, int index, RockerHalf held) { Draw(context, index, held); }

}  // namespace korvix
