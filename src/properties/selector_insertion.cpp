#include "properties/selector_insertion.h"

#include <algorithm>

namespace korvix {

FieldChange PlanSelectorInsertion(SelectorInsertion kind, int length, int selstart, int selend,
                                  const std::string& chosen) {
  const int size = static_cast<int>(chosen.size());
  if (kind == SelectorInsertion::TargetLabel) return {0, length, chosen, size};
  const int from = std::clamp(std::min(selstart, selend), 0, length);
  const int to = std::clamp(std::max(selstart, selend), 0, length);
  const int back = kind == SelectorInsertion::MathFunction ? std::min(2, size) : 0;
  return {from, to, chosen, from + size - back};
}

}  // namespace korvix
