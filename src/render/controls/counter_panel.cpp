#include "render/controls/counter_panel.h"

#include "render/bevel.h"
#include "render/font_cell.h"

namespace korvix {

namespace {

constexpr Colour kValueFace = Grey(192);
constexpr Colour kValueColour = Rgb(0, 0, 128);
constexpr Colour kGlyphColour = Grey(0);

int Trunc(double value) { return static_cast<int>(value); }

int TitlePartWidth(const ViewState& view, int titlechars, int sizecode) {
  return SnapExtent(ScaledCellWidth(view, sizecode) * titlechars, view.m_gridsize);
}

}  // namespace

Rect CounterValueBox(const ViewState& view, const Rect& object, int titlechars, double widthfactor, int sizecode) {
  const int left = object.left + TitlePartWidth(view, titlechars, sizecode);
  const int width = SnapExtent(Trunc(ScaledCellWidth(view, sizecode) * widthfactor), view.m_gridsize);
  const int inset = Trunc(0.13 * Height(object));
  return {left, object.top + inset, left + width, object.bottom - inset};
}

void DrawCounterPanel(const ViewState& view, DeviceContext& dc, const CounterPanel& panel) {
  const Rect& o = panel.object;
  DrawBevelRaised(view, o.left, o.top, o.right, o.bottom, dc);

  const int cw = ScaledCellWidth(view, panel.sizecode);
  const int titlewidth = TitlePartWidth(view, panel.titlechars, panel.sizecode);
  const Rect title{o.left + Trunc(0.1 * cw), o.top, o.left + titlewidth - Trunc(0.1 * cw), o.bottom};
  DrawLabel(dc, panel.title, title, ObjectFont(kFaceTimesNewRoman, panel.sizecode, view, 6), panel.textcolour);

  const Rect box = CounterValueBox(view, o, panel.titlechars, panel.widthfactor, panel.sizecode);
  DrawBevelSunken(view, box.left, box.top, box.right, box.bottom, dc, kValueFace);
  const Rect text = Inflated(box, -Trunc(0.4 * cw), 0);
  DrawLabel(dc, panel.value, text, ObjectFont(kFaceArialUnicode, panel.sizecode, view, 10), kValueColour,
            TextFormat::Right);

  if (!panel.withbuttons) return;
  for (int i = 0; i < 3; ++i)
    DrawBevelButton(view, dc, panel.buttons[static_cast<std::size_t>(i)], panel.pressed == i,
                    panel.glyphs[static_cast<std::size_t>(i)], kGlyphColour);
}

}  // namespace korvix
