#pragma once

#include <array>

namespace korvix {

// The maximum lengths of the dialogs' edit fields.
constexpr int kLabelFieldLimit = 70;     // titles, prefixes, suffixes, ID Labels, lookup tables, selectors
constexpr int kCommandFieldLimit = 112;  // polling commands
constexpr int kNumberFieldLimit = 9;     // multipliers, offsets, scale, trip and warning levels
constexpr int kFormulaFieldLimit = 1000;
constexpr int kPrefixFieldLimit = 5;  // characters a transmitted value is appended to

// The Font Size choice, combo index by combo index.
constexpr std::array<int, 5> kFontSizeCodes = {48, 36, 28, 22, 16};
constexpr std::array<const char*, 5> kFontSizeNames = {"Extra Large", "Large", "Medium", "Small", "Extra Small"};

// The combo index of a size code, -1 for a code the choice does not offer.
int FontSizeIndex(int sizecode);
// The size code of a combo index; with no entry chosen the record keeps
// `current`, so a project's odd size survives a visit to the dialog.
int FontSizeCode(int index, int current);

// Character widths are counted from 1; their combos start at "1".
constexpr int WidthIndex(int width) { return width - 1; }
// With no entry chosen the record keeps `current`.
constexpr int WidthFromIndex(int index, int current) { return index < 0 ? current : index + 1; }

}  // namespace korvix
