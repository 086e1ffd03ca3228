#pragma once

#include <array>

namespace korvix {

// The scale-mark and factor choices of the gauge dialogs, each a combo
// whose index maps onto the stored value. A stored value that no entry
// shows gives index -1, and index -1 keeps the stored value, so a project's
// odd value survives a visit to the dialog.

// Tick Marks "None", "2" ... "21": stored as the index + 1 (1 = none).
constexpr int kMostTickMarks = 21;
int TickMarksIndex(int tickmarks);
int TickMarksFromIndex(int index, int current);

// Sub Marks "None", "1" ... `most`: stored as the index (0 = none).
constexpr int kMostGaugeSubMarks = 19;
constexpr int kMostWindVaneSubMarks = 21;
int SubMarksIndex(int submarks, int most);
int SubMarksFromIndex(int index, int most, int current);

// Choices whose entries stand for listed values.
constexpr std::array<int, 4> kDialFactors = {1, 10, 100, 1000};
constexpr std::array<const char*, 4> kDialFactorNames = {"x1", "x10", "x100", "x1000"};
constexpr std::array<int, 4> kWindVaneTickMarks = {0, 4, 8, 16};
constexpr std::array<const char*, 4> kWindVaneTickMarkNames = {"None", "4", "8", "16"};
int DialFactorIndex(int dialfactor);
int DialFactorFromIndex(int index, int current);
int WindVaneTickMarksIndex(int tickmarks);
int WindVaneTickMarksFromIndex(int index, int current);

// Sub marks divide the gaps between tick marks, so without tick marks there
// are none to choose: Tick Marks "None" (index 0) turns Sub Marks to "None"
// and disables it.
struct SubMarksState {
  bool enabled = true;
  int index = -1;
};
SubMarksState SubMarksFollowTicks(int tickindex, int subindex);

}  // namespace korvix
