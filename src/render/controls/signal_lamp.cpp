#include "render/controls/signal_lamp.h"

#include <array>

#include "render/bevel.h"
#include "render/controls/control_parts.h"
#include "render/selection.h"

namespace korvix {

namespace {

struct LampShades {
  Colour lit;
  Colour dim;
};

constexpr std::array kLampShades{
    LampShades{Rgb(255, 0, 0), Rgb(110, 0, 0)},         // red
    LampShades{Rgb(255, 255, 0), Rgb(110, 110, 0)},     // yellow
    LampShades{Rgb(0, 255, 0), Rgb(0, 100, 0)},         // green
    LampShades{Rgb(0, 0, 255), Rgb(0, 0, 110)},         // blue
    LampShades{Rgb(255, 255, 255), Rgb(120, 120, 120)}  // white
};

constexpr Colour kLensRim = Grey(51);

}  // namespace

Colour LampColour(int lampcolor, bool lit) {
  const bool known = lampcolor >= 0 && lampcolor < static_cast<int>(kLampShades.size());
  const LampShades& shades = kLampShades[known ? static_cast<std::size_t>(lampcolor) : 0];
  return lit ? shades.lit : shades.dim;
}

void DrawSignalLamp(DrawingContext& context, int index) {
  DeviceContext& dc = context.dc;
  const SignalLampRecord& r = context.doc.m_signallamps[index];
  const Rect rect = context.geometry.ObjectRectSignalLamp(index);
  DrawBevelRaised(context.view, rect.left, rect.top, rect.right, rect.bottom, dc);

  const int edge = BevelEdge(context.view);
  const Rect lens = Inflated(rect, -(edge + 1), -(edge + 1));
  {
    SelectedPen pen(dc, SolidPen(1, kLensRim));
    SelectedBrush brush(dc, SolidBrush(LampColour(r.lampcolor, r.state != 0)));
    dc.Ellipse(lens);
  }
  DrawLabel(dc, r.title, lens, ObjectFont(kFaceArial, r.sizecode, context.view, 5), static_cast<Colour>(r.textcolor));
}

}  // namespace korvix
