#include "render/controls/button_array.h"

#include "render/box3d.h"
#include "render/controls/control_parts.h"

namespace korvix {

namespace {

// A lit button's face is dark blue, so its caption is light whatever colour
// the button's text has on the grey face.
constexpr Colour kLitCaption = Grey(255);

}  // namespace

Rect ButtonArraySubButtonRect(const Rect& array, int count, int k) {
  const int width = Width(array);
  const auto edge = [&](int i) { return array.left + static_cast<int>(static_cast<long long>(width) * i / count); };
  return {edge(k), array.top, edge(k + 1), array.bottom};
}

void DrawButtonArray(DrawingContext& context, int index) { DrawButtonArray(context, index, false); }

void DrawButtonArray(DrawingContext& context, int index, bool running) {
  ButtonArrayRecord& r = context.doc.m_buttonarrays[index];
  const Rect rect = context.geometry.ObjectRectButtonArray(index);
  const int count = r.buttons.Count();
  const Font font = ObjectFont(kFaceArial, r.sizecode, context.view, 5);
  for (int k = 0; k < count; ++k) {
    ButtonArrayButton& button = r.buttons[k];
    const Rect sub = ButtonArraySubButtonRect(rect, count, k);
    if (context.view.m_dragstate == 0) button.placement = sub;
    const bool down = button.isdown != 0;
    const bool lit = down && running;
    Draw3DBox(context.view, sub, context.dc, down ? 1 : 0, lit ? kSchemeBlue : kSchemeGray);
    DrawLabel(context.dc, button.title, down ? Offset(sub, 1, 1) : sub, font,
              lit ? kLitCaption : static_cast<Colour>(button.textcolor));
  }
}

}  // namespace korvix
