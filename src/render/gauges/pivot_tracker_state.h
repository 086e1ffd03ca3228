#pragma once

#include <array>
#include <string>
#include <vector>

namespace korvix {

// What a Pivot Tracker shows at run time, which its record does not hold,
// and what its drawing last showed, for a redraw of only what changed.
struct PivotTrackerState {
  enum Lamp { kRun, kWater, kSis };
  static constexpr const char* kLampOn = "On";
  static constexpr const char* kLampOff = "Off";

  std::string valuetext = "0";  // the arm's heading in degrees
  std::array<std::string, 3> lamps{kLampOff, kLampOff, kLampOff};
  // As last drawn; equal to the above when the next drawing must be whole.
  std::string drawnvalue = "0";
  std::array<std::string, 3> drawnlamps{kLampOff, kLampOff, kLampOff};

  bool IsOn(Lamp lamp) const { return lamps[lamp] == kLampOn; }
};

// The view's states of every Pivot Tracker, by record index.
class PivotTrackerStates {
public:
  // Grows as trackers are added, so every live index has a state.
  PivotTrackerState& operator[](int index) {
    if (index >= static_cast<int>(m_states.size())) m_states.resize(static_cast<std::size_t>(index) + 1);
    return m_states[static_cast<std::size_t>(index)];
  }
  // A deleted tracker's state goes with it, so the later ones keep theirs.
  void Remove(int index) {
    if (index >= 0 && index < static_cast<int>(m_states.size())) m_states.erase(m_states.begin() + index);
  }
  // After the background is erased every tracker is drawn whole again.
  void ForgetDrawn() {
    for (PivotTrackerState& state : m_states) {
      state.drawnvalue = state.valuetext;
      state.drawnlamps = state.lamps;
    }
  }

private:
  std::vector<PivotTrackerState> m_states;
};

}  // namespace korvix
