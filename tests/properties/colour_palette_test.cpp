#include <gtest/gtest.h>

#include "properties/colour_palette.h"

namespace korvix::testing {
namespace {

// Five cells of 33 pixels across and seven of 21 down, with spare pixels
// that the integer division must drop.
constexpr Rect kGrid = {10, 20, 10 + 5 * 33 + 4, 20 + 7 * 21 + 6};

TEST(ColourPalette, EveryColourHasItsOwnCellAndTheMarkerNone) {
  for (int i = 0; i < kPaletteSize; ++i) EXPECT_EQ(PaletteCellOf(kPaletteColours[static_cast<size_t>(i)]), i);
  EXPECT_EQ(PaletteCellOf(kNoPaletteColour), -1);
  EXPECT_EQ(kPaletteColours[7], 0xFF0000);  // pure blue, stored blue-high
}

TEST(ColourPalette, CellsFillTheGridRowByRowWithGaps) {
  const PaletteCells cells = LayoutPaletteCells(kGrid, kNoPaletteColour);
  EXPECT_EQ(cells[0], (Rect{14, 22, 38, 40}));
  EXPECT_EQ(cells[7], (Rect{80, 43, 104, 61}));
  EXPECT_EQ(cells[34], (Rect{146, 148, 170, 166}));
}

TEST(ColourPalette, OnlyTheCurrentCellIsPressedDownAndRight) {
  const PaletteCells plain = LayoutPaletteCells(kGrid, kNoPaletteColour);
  const PaletteCells pressed = LayoutPaletteCells(kGrid, 0xFF0000);
  for (size_t i = 0; i < plain.size(); ++i) {
    const Rect& p = plain[i];
    EXPECT_EQ(pressed[i], (i == 7 ? Rect{p.left + 1, p.top + 1, p.right + 1, p.bottom + 1} : p)) << i;
  }
  EXPECT_EQ(LayoutPaletteCells(kGrid, 0x123456), plain);
}

TEST(ColourPalette, PointsFindTheirCellAndGapsNone) {
  const PaletteCells cells = LayoutPaletteCells(kGrid, kNoPaletteColour);
  const struct {
    int x, y, cell;
  } cases[] = {
      {14, 22, 0}, {37, 39, 0},    {38, 22, -1},  {14, 40, -1}, {13, 22, -1},
      {90, 50, 7}, {169, 165, 34}, {200, 50, -1}, {0, 0, -1},
  };
  for (const auto& c : cases) EXPECT_EQ(PaletteCellAt(cells, c.x, c.y), c.cell) << c.x << "," << c.y;
}

}  // namespace
}  // namespace korvix::testing
