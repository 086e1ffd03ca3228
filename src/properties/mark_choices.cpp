#include "properties/mark_choices.h"

#include <algorithm>
#include <cstddef>

namespace korvix {

namespace {

template <std::size_t N>
int IndexOf(const std::array<int, N>& values, int value) {
  const auto found = std::find(values.begin(), values.end(), value);
  return found == values.end() ? -1 : static_cast<int>(found - values.begin());
}

template <std::size_t N>
int ValueAt(const std::array<int, N>& values, int index, int current) {
  if (index < 0 || index >= static_cast<int>(N)) return current;
  return values[static_cast<std::size_t>(index)];
}

}  // namespace

int TickMarksIndex(int tickmarks) { return tickmarks >= 1 && tickmarks <= kMostTickMarks ? tickmarks - 1 : -1; }

int TickMarksFromIndex(int index, int current) { return index >= 0 && index < kMostTickMarks ? index + 1 : current; }

int SubMarksIndex(int submarks, int most) { return submarks >= 0 && submarks <= most ? submarks : -1; }

int SubMarksFromIndex(int index, int most, int current) { return index >= 0 && index <= most ? index : current; }

int DialFactorIndex(int dialfactor) { return IndexOf(kDialFactors, dialfactor); }

int DialFactorFromIndex(int index, int current) { return ValueAt(kDialFactors, index, current); }

int WindVaneTickMarksIndex(int tickmarks) { return IndexOf(kWindVaneTickMarks, tickmarks); }

int WindVaneTickMarksFromIndex(int index, int current) { return ValueAt(kWindVaneTickMarks, index, current); }

SubMarksState SubMarksFollowTicks(int tickindex, int subindex) {
  if (tickindex == 0) return {false, 0};
  return {true, subindex};
}

}  // namespace korvix
