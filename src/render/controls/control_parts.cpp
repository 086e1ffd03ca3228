#include "render/controls/control_parts.h"

#include <algorithm>
#include <array>

#include "render/bevel.h"
#include "render/font_cell.h"
#include "render/selection.h"

namespace korvix {

namespace {

constexpr Colour kButtonFace = Grey(153);

}  // namespace

int ScaledCellWidth(const ViewState& view, int sizecode) { return FontCellSize(sizecode).cx * view.m_fontfactor; }

int ScaledCellHeight(const ViewState& view, int sizecode) { return FontCellSize(sizecode).cy * view.m_fontfactor; }

int BevelEdge(const ViewState& view) { return DoubleEdges(view) ? 4 : 2; }

Font ObjectFont(std::string_view face, int sizecode, const ViewState& view, int tenthspercode) {
  return Font{std::string(face), sizecode * view.m_fontfactor * tenthspercode};
}

void DrawLabel(DeviceContext& dc, std::string_view text, const Rect& rect, const Font& font, Colour colour,
               TextFormat format) {
  if (text.empty() || IsEmpty(rect)) return;
  SelectedFont selectedfont(dc, font);
  SelectedTextColour textcolour(dc, colour);
  SelectedBackgroundMode mode(dc, BackgroundMode::Transparent);
  dc.DrawText(text, rect, format | TextFormat::SingleLine | TextFormat::VCentre | TextFormat::NoPrefix);
}

void DrawGlyph(DeviceContext& dc, Glyph glyph, const Rect& rect, Colour colour) {
  const int cx = (rect.left + rect.right) / 2;
  const int cy = (rect.top + rect.bottom) / 2;
  const int h = std::max(1, std::min(Width(rect), Height(rect)) / 3);
  SelectedPen pen(dc, SolidPen(1, colour));
  SelectedBrush brush(dc, SolidBrush(colour));
  switch (glyph) {
    case Glyph::Up: {
      const std::array<Point, 3> points{Point{cx - h, cy + h / 2}, Point{cx + h, cy + h / 2},
                                        Point{cx, cy - h / 2 - 1}};
      dc.Polygon(points);
      break;
    }
    case Glyph::Down: {
      const std::array<Point, 3> points{Point{cx - h, cy - h / 2}, Point{cx + h, cy - h / 2},
                                        Point{cx, cy + h / 2 + 1}};
      dc.Polygon(points);
      break;
    }
    case Glyph::Right: {
      const std::array<Point, 3> points{Point{cx - h / 2, cy - h}, Point{cx - h / 2, cy + h},
                                        Point{cx + h / 2 + 1, cy}};
      dc.Polygon(points);
      break;
    }
    case Glyph::Ring: {
      SelectedBrush hollow(dc, NullBrush());
      dc.Ellipse({cx - h / 2 - 1, cy - h / 2 - 1, cx + h / 2 + 2, cy + h / 2 + 2});
      break;
    }
    case Glyph::Pause: {
      const int bar = std::max(1, h / 3);
      dc.Rectangle({cx - h / 2 - 1, cy - h / 2 - 1, cx - h / 2 - 1 + bar, cy + h / 2 + 1});
      dc.Rectangle({cx + h / 2 + 1 - bar, cy - h / 2 - 1, cx + h / 2 + 1, cy + h / 2 + 1});
      break;
    }
  }
}

void DrawBevelButton(const ViewState& view, DeviceContext& dc, const Rect& rect, bool pressed, Glyph glyph,
                     Colour colour) {
  if (pressed)
    DrawBevelSunken(view, rect.left, rect.top, rect.right, rect.bottom, dc, kButtonFace);
  else
    DrawBevelRaised(view, rect.left, rect.top, rect.right, rect.bottom, dc);
  // A held button's symbol sinks with it.
  DrawGlyph(dc, glyph, pressed ? Offset(rect, 1, 1) : rect, colour);
}

bool IsFaultText(std::string_view text) { return text == kErrorText || text == kOverflowText; }

}  // namespace korvix
