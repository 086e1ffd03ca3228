#pragma once

#include <array>

#include "platform/message_sink.h"

namespace korvix {

inline constexpr int kDefaultLabelFontSize = 120;
inline constexpr int kDefaultLabelBarSize = 10;
// The two lists, index by index: tenths of a point, mils.
inline constexpr std::array<int, 16> kLabelFontSizes = {720, 480, 360, 280, 260, 240, 220, 200,
                                                        180, 160, 140, 120, 110, 100, 90,  80};
inline constexpr std::array<int, 11> kLabelBarSizes = {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5};

// The Font Size and Bar Size lists of the label dialog: list index to value
// (tenths of a point, mils) and back. A value or index that is not in its
// list is said through `sink` and gives 0.
int FontSizeFromIndex(int index, MessageSink& sink);
int FontSizeIndex(int fontsize, MessageSink& sink);
int BarSizeFromIndex(int index, MessageSink& sink);
int BarSizeIndex(int barsize, MessageSink& sink);

}  // namespace korvix
