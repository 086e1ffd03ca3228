#pragma once

#include <string>
#include <string_view>

#include "render/colour.h"
#include "render/device_context.h"
#include "render/rect.h"
#include "render/view_state.h"

namespace korvix {

// The character cell of a size code at the current Font Size, in pixels.
int ScaledCellWidth(const ViewState& view, int sizecode);
int ScaledCellHeight(const ViewState& view, int sizecode);

// Pixels that the lines of a raised or sunken bevel take on each side.
int BevelEdge(const ViewState& view);

// Fonts scale with the object's size code and the Font Size, as every object
// drawing's do: tenthspercode tenths of a point per size-code unit.
Font ObjectFont(std::string_view face, int sizecode, const ViewState& view, int tenthspercode);

// One line of text centred (or aligned by format) in rect, over whatever lies
// below it.
void DrawLabel(DeviceContext& dc, std::string_view text, const Rect& rect, const Font& font, Colour colour,
               TextFormat format = TextFormat::Centre);

enum class Glyph { Up, Down, Right, Ring, Pause };

// A small symbol centred in rect, about two thirds of its smaller side.
void DrawGlyph(DeviceContext& dc, Glyph glyph, const Rect& rect, Colour colour);

// A small push button of the bevel family: raised when up, sunk when held.
void DrawBevelButton(const ViewState& view, DeviceContext& dc, const Rect& rect, bool pressed, Glyph glyph,
                     Colour colour);

// "Error" and "Overflow" stand in a value text when no number could be had;
// they are shown as they are, never as a value.
bool IsFaultText(std::string_view text);

inline constexpr std::string_view kErrorText = "Error";
inline constexpr std::string_view kOverflowText = "Overflow";

}  // namespace korvix
