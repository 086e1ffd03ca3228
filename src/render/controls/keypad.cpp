#include "render/controls/keypad.h"

#include <algorithm>

#include "render/bevel.h"
#include "render/box3d.h"
#include "render/controls/control_parts.h"

namespace korvix {

namespace {

constexpr int kColumns = 4;
constexpr int kRows = 4;
// The display band is two cell heights over four key rows of 1.14 each.
constexpr double kBandShare = 2.0 / (2.0 + 4 * 1.14);
constexpr double kTitleShare = 0.4;
constexpr Colour kDisplayFace = Rgb(255, 255, 0);
constexpr Colour kDisplayText = Grey(0);
constexpr Colour kCaption = Grey(0);

int Margin(const Rect& keypad) { return std::max(2, Width(keypad) / 50); }

Rect Inner(const Rect& keypad) { return Inflated(keypad, -Margin(keypad), -Margin(keypad)); }

int BandBottom(const Rect& inner) { return inner.top + static_cast<int>(kBandShare * Height(inner)); }

}  // namespace

Rect KeypadDisplayBand(const Rect& keypad) {
  const Rect inner = Inner(keypad);
  return {inner.left, inner.top, inner.right, BandBottom(inner)};
}

Rect KeypadKeyRect(const Rect& keypad, int k) {
  const KeypadKey& key = kKeypadKeys[static_cast<std::size_t>(k)];
  const Rect inner = Inner(keypad);
  const int top = BandBottom(inner);
  const auto x = [&](int column) { return inner.left + Width(inner) * column / kColumns; };
  const auto y = [&](int row) { return top + (inner.bottom - top) * row / kRows; };
  const int gap = std::max(1, Margin(keypad) / 2);
  return Inflated({x(key.column), y(key.row), x(key.column + key.columns), y(key.row + key.rows)}, -gap, -gap);
}

void DrawKeypad(DrawingContext& context, int index, const Rect& keypad) {
  DrawKeypad(context, index, keypad, InputWindowRunState{});
}

void DrawKeypad(DrawingContext& context, int index, const Rect& keypad, const InputWindowRunState& state) {
  DeviceContext& dc = context.dc;
  const ViewState& view = context.view;
  const InputWindowRecord& r = context.doc.m_inputwindows[index];
  const std::string_view shown = state.editing != 0 ? std::string_view(state.edittext) : std::string_view(r.valuetext);
  DrawBevelRaised(view, keypad.left, keypad.top, keypad.right, keypad.bottom, dc);

  const Rect band = KeypadDisplayBand(keypad);
  const int split = band.top + static_cast<int>(kTitleShare * Height(band));
  DrawLabel(dc, r.title, {band.left, band.top, band.right, split}, ObjectFont(kFaceTimesNewRoman, r.sizecode, view, 6),
            static_cast<Colour>(r.inputcolor));
  const int gap = std::max(1, Margin(keypad) / 2);
  const Rect display{band.left + gap, split, band.right - gap, band.bottom - gap};
  DrawBevelSunken(view, display.left, display.top, display.right, display.bottom, dc, kDisplayFace);
  DrawLabel(dc, shown, Inflated(display, -(BevelEdge(view) + 2), 0),
            ObjectFont(kFaceArialUnicode, r.sizecode, view, 10), kDisplayText, TextFormat::Right);

  const Font font = ObjectFont(kFaceArial, r.sizecode, view, 6);
  for (int k = 0; k < static_cast<int>(kKeypadKeys.size()); ++k) {
    const Rect key = KeypadKeyRect(keypad, k);
    const bool pressed = state.keypadkey == KeypadKeyNumber(k);
    Draw3DBox(view, key, dc, pressed ? 1 : 0, kSchemeGray);
    DrawLabel(dc, kKeypadKeys[static_cast<std::size_t>(k)].caption, pressed ? Offset(key, 1, 1) : key, font, kCaption);
  }
}

}  // namespace korvix
