#include "recording/label_sizes.h"

#include <algorithm>
#include <span>

namespace korvix {
namespace {

constexpr const char* kInvalidSelection = "Invalid Dialog Box Selection.";
constexpr const char* kInvalidCaption = "Operational Error";

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

int FontSizeFromIndex(int index, MessageSink& sink) { return ValueAt(kLabelFontSizes, index, sink); }
int FontSizeIndex(int fontsize, MessageSink& sink) { return IndexOf(kLabelFontSizes, fontsize, sink); }
int BarSizeFromIndex(int index, MessageSink& sink) { return ValueAt(kLabelBarSizes, index, sink); }
int BarSizeIndex(int barsize, MessageSink& sink) { return IndexOf(kLabelBarSizes, barsize, sink); }

}  // namespace korvix
