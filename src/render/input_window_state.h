#pragma once

#include <string>
#include <vector>

namespace korvix {

// What run-mode input changes in one Input Window while the project is
// open; none of it is saved.
struct InputWindowRunState {
  int editing = 0;         // the operator is typing a new value
  std::string edittext;    // what has been typed so far
  int editpending = 0;     // typed, but not taken as the value yet
  int editbuttonheld = 0;  // the Edit button is held down
  int keypadopen = 0;      // the on-screen keypad is open
  int keypadkey = 0;       // the keypad key held down, 0 for none

  bool KeypadShowing() const { return keypadopen != 0 || keypadkey != 0; }
};

// One state per Input Window, by the window's index in its list.
class InputWindowRunStates {
public:
  InputWindowRunState& operator[](int index) {
    if (static_cast<std::size_t>(index) >= m_states.size()) m_states.resize(static_cast<std::size_t>(index) + 1);
    return m_states[static_cast<std::size_t>(index)];
  }

  // A deleted window's state goes with it, so the later ones keep theirs.
  void Remove(int index) {
    if (index >= 0 && index < static_cast<int>(m_states.size())) m_states.erase(m_states.begin() + index);
  }

  // Every window back at rest, as after a project is opened.
  void Clear() { m_states.clear(); }

private:
  std::vector<InputWindowRunState> m_states;
};

}  // namespace korvix
