#pragma once

#include <array>
#include <string_view>

#include "render/drawing_context.h"
#include "render/input_window_state.h"
#include "render/rect.h"

namespace korvix {

// The keys of the on-screen keypad, four rows of four places: the digits,
// the point, the sign, clear and enter ("0" and "Enter" take two places).
struct KeypadKey {
  std::string_view caption;
  int row;
  int column;
  int rows;
  int columns;
};

inline constexpr std::array<KeypadKey, 14> kKeypadKeys{{
    {"7", 0, 0, 1, 1},
    {"8", 0, 1, 1, 1},
    {"9", 0, 2, 1, 1},
    {"C", 0, 3, 1, 1},
    {"4", 1, 0, 1, 1},
    {"5", 1, 1, 1, 1},
    {"6", 1, 2, 1, 1},
    {"+/-", 1, 3, 1, 1},
    {"1", 2, 0, 1, 1},
    {"2", 2, 1, 1, 1},
    {"3", 2, 2, 1, 1},
    {"Enter", 2, 3, 2, 1},
    {"0", 3, 0, 1, 2},
    {".", 3, 2, 1, 1},
}};

// Where the display band and key k (an index into kKeypadKeys) lie inside the
// keypad's rectangle; laid out in proportion to it, so they always fit.
Rect KeypadDisplayBand(const Rect& keypad);
Rect KeypadKeyRect(const Rect& keypad, int k);

// The key that an Input Window's `keypadkey` holds down: keypadkey k is
// kKeypadKeys[k - 1], 0 is none.
inline constexpr int KeypadKeyNumber(int k) { return k + 1; }

// The open keypad of Input Window index at keypad (its rectangle in the
// client area it was pushed back into): the window's title and, while the
// operator types, what has been typed, else its value, in the display band
// over the keys; the key held down is drawn pressed.
void DrawKeypad(DrawingContext& context, int index, const Rect& keypad);
void DrawKeypad(DrawingContext& context, int index, const Rect& keypad, const InputWindowRunState& state);

}  // namespace korvix
