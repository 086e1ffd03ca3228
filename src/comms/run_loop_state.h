#pragma once

namespace korvix {

// Whether the Run-Loop runs. The Run-Loop owns the one instance and only its
// start and halt change it; the COM link and everyone else hold it const.
class RunLoopState {
public:
  bool IsRunning() const { return m_running; }
  void SetRunning(bool running) { m_running = running; }

private:
  bool m_running = false;
};

}  // namespace korvix
