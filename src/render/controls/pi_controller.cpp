#include "render/controls/pi_controller.h"

#include <algorithm>

#include "render/bevel.h"
#include "render/controls/control_parts.h"

namespace korvix {

namespace {

constexpr std::array<std::string_view, kPIRowCount> kCaptions{"Set Point", "Value", "Output", "Kp", "Ki"};
constexpr Colour kValueFace = Grey(192);
constexpr Colour kValueColour = Rgb(0, 0, 128);
constexpr Colour kGlyphColour = Grey(0);

int Trunc(double value) { return static_cast<int>(value); }

std::size_t At(PIStepButton button) { return static_cast<std::size_t>(button); }
std::size_t At(PIRow row) { return static_cast<std::size_t>(row); }

}  // namespace

PIControllerLayout PIControllerPanel(const Rect& object, const ViewState& view, int sizecode) {
  const int edge = BevelEdge(view);
  const int band = Trunc(0.59 * ScaledCellHeight(view, sizecode));
  const int left = object.left + edge;
  const int right = object.right - edge;
  const int top = object.top + band;
  const int rowheight = std::max(0, (object.bottom - edge - top) / kPIRowCount);
  const int pad = std::max(2, rowheight / 8);
  const int side = std::max(0, rowheight - 2 * pad);
  const int captionright = left + Trunc(0.3 * (right - left));
  const int downleft = right - pad - side;
  const int upleft = downleft - pad - side;

  PIControllerLayout layout;
  layout.title = {left, object.top, right, top};
  for (int i = 0; i < kPIRowCount; ++i) {
    const int rowtop = top + i * rowheight;
    layout.captions[static_cast<std::size_t>(i)] = {left + pad, rowtop, captionright, rowtop + rowheight};
    layout.values[static_cast<std::size_t>(i)] = {captionright, rowtop + pad, upleft - pad, rowtop + pad + side};
  }
  const auto place = [&](PIStepButton up, PIStepButton down, PIRow row) {
    const int rowtop = layout.values[At(row)].top;
    layout.buttons[At(up)] = {upleft, rowtop, upleft + side, rowtop + side};
    layout.buttons[At(down)] = {downleft, rowtop, downleft + side, rowtop + side};
  };
  place(PIStepButton::SetPointUp, PIStepButton::SetPointDown, PIRow::SetPoint);
  place(PIStepButton::KpUp, PIStepButton::KpDown, PIRow::Kp);
  place(PIStepButton::KiUp, PIStepButton::KiDown, PIRow::Ki);
  return layout;
}

void DrawPIController(DrawingContext& context, int index) { DrawPIController(context, index, {}); }

void DrawPIController(DrawingContext& context, int index, const PIControllerReadings& readings) {
  DeviceContext& dc = context.dc;
  const ViewState& view = context.view;
  const PIControllerRecord& r = context.doc.m_picontrollers[index];
  const Rect rect = context.geometry.ObjectRectPIController(index);
  const PIControllerLayout layout = PIControllerPanel(rect, view, r.sizecode);
  const Colour textcolour = static_cast<Colour>(r.textcolor);

  DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  DrawLabel(dc, r.title, layout.title, ObjectFont(kFaceTimesNewRoman, r.sizecode, view, 6), textcolour);

  const std::array<std::string_view, kPIRowCount> values{readings.setpoint, r.valuetext, readings.output, r.kptext,
                                                         r.kitext};
  const Font captionfont = ObjectFont(kFaceArial, r.sizecode, view, 4);
  const Font valuefont = ObjectFont(kFaceArialUnicode, r.sizecode, view, 5);
  const int inset = BevelEdge(view) + 2;
  for (std::size_t i = 0; i < kCaptions.size(); ++i) {
    DrawLabel(dc, kCaptions[i], layout.captions[i], captionfont, textcolour, TextFormat::Left);
    const Rect& box = layout.values[i];
    DrawBevelSunken(view, box.left, box.top, box.right, box.bottom, dc, kValueFace);
    DrawLabel(dc, values[i], Inflated(box, -inset, 0), valuefont, kValueColour, TextFormat::Right);
  }
  for (std::size_t b = 0; b < layout.buttons.size(); ++b) {
    const bool up = b % 2 == 0;
    DrawBevelButton(view, dc, layout.buttons[b], readings.pressed && At(*readings.pressed) == b,
                    up ? Glyph::Up : Glyph::Down, kGlyphColour);
  }
}

}  // namespace korvix
