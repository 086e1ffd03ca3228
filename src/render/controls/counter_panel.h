#pragma once

#include <array>
#include <string_view>

#include "render/colour.h"
#include "render/controls/control_parts.h"
#include "render/device_context.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// What an Event Counter and an Event Timer share: a title part, a sunken value
// box and, with manual buttons, a column of three small buttons.
struct CounterPanel {
  Rect object;
  int titlechars = 0;
  double widthfactor = 0;
  int sizecode = 0;
  std::string_view title;
  std::string_view value;
  Colour textcolour = 0;
  bool withbuttons = false;
  std::array<Rect, 3> buttons{};  // top to bottom
  std::array<Glyph, 3> glyphs{};
  int pressed = -1;  // which of the buttons is held, -1 none
};

// The value box: the second width part, a little in from the top and bottom.
Rect CounterValueBox(const ViewState& view, const Rect& object, int titlechars, double widthfactor, int sizecode);

void DrawCounterPanel(const ViewState& view, DeviceContext& dc, const CounterPanel& panel);

}  // namespace korvix
