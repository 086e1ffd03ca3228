#pragma once

#include <functional>

#include "runmode/run_controls.h"

class QEvent;

namespace korvix {

class CKorvixView;

// The view's mouse and keys while the Run-Loop runs: presses, drags and
// releases on the controls and typing into Input Windows go to the
// run-mode controls before and instead of the page editor.
class CRunModeInput {
public:
  // `running` tells whether the Run-Loop runs; only then is input taken.
  CRunModeInput(CKorvixView& view, RunControls& controls, std::function<bool()> running)
      : m_view(view), m_controls(controls), m_running(std::move(running)) {}

  // True when a control used the event; the view is repainted then.
  bool OnViewEvent(QEvent* event);

private:
  bool OnKey(QEvent* event);

  CKorvixView& m_view;
  RunControls& m_controls;
  std::function<bool()> m_running;
  bool m_leftdown = false;
};

}  // namespace korvix
