#pragma once

#include "platform/message_sink.h"

namespace korvix {

inline constexpr int kDefaultLabelFontSize = 120;
inline constexpr int kDefaultLabelBarSize = 10;

// The Font Size and Bar Size lists of the label dialog: list index to value
// (tenths of a point, mils) and back. A value or index that is not in its
// list is said through `sink` and gives 0.
int FontSizeFromIndex(int index, MessageSink& sink);
int FontSizeIndex(int fontsize, MessageSink& sink);
int BarSizeFromIndex(int index, MessageSink& sink);
int BarSizeIndex(int barsize, MessageSink& sink);

}  // namespace korvix
