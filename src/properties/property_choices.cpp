#include "properties/property_choices.h"

#include <algorithm>

namespace korvix {

int FontSizeIndex(int sizecode) {
  const auto found = std::find(kFontSizeCodes.begin(), kFontSizeCodes.end(), sizecode);
  return found == kFontSizeCodes.end() ? -1 : static_cast<int>(found - kFontSizeCodes.begin());
}

int FontSizeCode(int index, int current) {
  if (index < 0 || index >= static_cast<int>(kFontSizeCodes.size())) return current;
  return kFontSizeCodes[static_cast<size_t>(index)];
}

}  // namespace korvix
