#pragma once

#include <array>

#include "document/record_basics.h"

namespace korvix {

// The colour picker's own palette, five colours a row, greys first and then
// the hues around the wheel.
constexpr int kPaletteColumns = 5;
constexpr int kPaletteRows = 7;
constexpr int kPaletteSize = kPaletteColumns * kPaletteRows;
constexpr std::array<int, kPaletteSize> kPaletteColours = {
    Rgb(0, 0, 0),     Rgb(102, 102, 102), Rgb(153, 153, 153), Rgb(192, 192, 192), Rgb(255, 255, 255), Rgb(102, 0, 160),
    Rgb(77, 0, 192),  Rgb(0, 0, 255),     Rgb(0, 77, 192),    Rgb(0, 102, 160),   Rgb(0, 192, 153),   Rgb(0, 224, 192),
    Rgb(0, 255, 255), Rgb(0, 192, 224),   Rgb(0, 153, 192),   Rgb(0, 160, 102),   Rgb(0, 192, 77),    Rgb(0, 255, 0),
    Rgb(77, 192, 0),  Rgb(102, 160, 0),   Rgb(192, 153, 0),   Rgb(224, 192, 0),   Rgb(255, 255, 0),   Rgb(192, 224, 0),
    Rgb(153, 192, 0), Rgb(160, 102, 0),   Rgb(192, 77, 0),    Rgb(255, 0, 0),     Rgb(192, 0, 77),    Rgb(160, 0, 102),
    Rgb(153, 0, 192), Rgb(192, 0, 224),   Rgb(255, 0, 255),   Rgb(224, 0, 192),   Rgb(192, 0, 153)};

// Stands for a colour chosen anywhere but in the palette: no cell holds it,
// so no cell shows as the current one.
constexpr int kNoPaletteColour = Rgb(1, 1, 1);

using PaletteCells = std::array<Rect, kPaletteSize>;

// The cell holding `colour`, or -1.
int PaletteCellOf(int colour);

// The cells laid out over `grid`, with gaps between them; the cell holding
// `current` sits one pixel right and down, as a pressed key does.
PaletteCells LayoutPaletteCells(const Rect& grid, int current);

// The cell under the point (right and bottom edges excluded), or -1 for a
// point in a gap or outside.
int PaletteCellAt(const PaletteCells& cells, int x, int y);

}  // namespace korvix
