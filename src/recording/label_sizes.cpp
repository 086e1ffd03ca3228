#include "recording/label_sizes.h"

#include <algorithm>
#include <array>
#include <span>

namespace korvix {
namespace {

constexpr const char* kInvalidSelection = "Invalid Dialog Box Selection.";
constexpr const char* kInvalidCaption = "Operational Error";

constexpr std::array<int, 16> kFontSizes = {720, 480, 360, 280, 260, 240, 220, 200,
                                            180, 160, 140, 120, 110, 100, 90,  80};
constexpr std::array<int, 11> kBarSizes = {15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5};

int Invalid(MessageSink& sink) {
  sink.Show(kInvalidCaption, kInvalidSelection, MessageIcon::Stop);
  return 0;
}

int ValueAt(std::span<const int> table, int index, MessageSink& sink) {
  if (index < 0 || index >= static_cast<int>(table.size())) return Invalid(sink);
  return table[static_cast<size_t>(index)];
}

int IndexOf(std::span<const int> table, int value, MessageSink& sink) {
  const auto at = std::find(table.begin(), table.end(), value);
  if (at == table.end()) return Invalid(sink);
  return static_cast<int>(at - table.begin());
}

}  // namespace

int FontSizeFromIndex(int index, MessageSink& sink) { return ValueAt(kFontSizes, index, sink); }
int FontSizeIndex(int fontsize, MessageSink& sink) { return IndexOf(kFontSizes, fontsize, sink); }
int BarSizeFromIndex(int index, MessageSink& sink) { return ValueAt(kBarSizes, index, sink); }
int BarSizeIndex(int barsize, MessageSink& sink) { return IndexOf(kBarSizes, barsize, sink); }

}  // namespace korvix
