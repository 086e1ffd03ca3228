#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "dispatch/run_values.h"
#include "document/korvix_doc.h"
#include "executors/executors.h"
#include "executors/run_services.h"
#include "platform/millisecond_clock.h"
#include "render/controls/control_run_states.h"
#include "render/controls/pi_controller.h"
#include "render/input_window_state.h"
#include "render/object_geometry.h"
#include "render/rect.h"
#include "render/view_state.h"
#include "runmode/chart_recorder_controls.h"

namespace korvix {

// The PI-Controller's step buttons act on run-time values that the
// controller computation owns, and its panel shows them.
class PIStepper {
public:
  virtual ~PIStepper() = default;
  virtual void StepPIController(int index, PIStepButton button) = 0;
  virtual PIControllerReadings Readings(int index) = 0;
};

// What the operator does to the controls while the Run-Loop runs: presses
// and releases on the part rectangles of the page drawing, the knob drags,
// keypad and keyboard entry, and the repeats of controls held down.
class RunControls final : public ControlRunStates {
public:
  RunControls(CKorvixDoc& doc, const ViewState& view, ObjectGeometry& geometry, RunValues& values, Executors& executors,
              RunServices& services, PIStepper& pi, MillisecondClock& clock, InputWindowRunStates& inputs);

  // Client-area pixels; true when a control on the current page took it.
  bool OnLeftButtonDown(Point point, const Rect& clientrect);
  bool OnMouseMove(Point point);
  bool OnLeftButtonUp(Point point);
  // Typing into an Input Window whose editing was started; true when taken.
  bool OnCharacter(char c);

  // Pass step of flashing lamps and held Rocker Switches.
  void ServiceHeldControls();
  // Pass step of held Push Buttons and PI-Controller buttons, and of the
  // actions that Push Buttons and Input Windows started.
  void AdvanceControls();
  // Every control back at rest.
  void Reset();

  // Drawn pressed: held by the operator, or kept down while its action runs.
  bool PushButtonDown(int index) const override;
  bool ButtonArrayRunning(int index) const override;
  std::optional<RockerHalf> HeldRockerHalf(int index) const override;
  std::optional<CounterButton> HeldCounterButton(int index) const override;
  std::optional<TimerButton> HeldTimerButton(int index) const override;
  PIControllerReadings PIControllerReadingsOf(int index) const override;

  // Rocker Switch repeat interval of repeat setting w, in ms.
  static uint32_t RockerRepeatMs(int repeatrate);

private:
  enum class Held { None, PushButton, RockerSwitch, Slider, CounterButton, TimerButton, PIButton, KeypadKey };
  struct ControlRun {
    bool active = false;
    ActionWait wait;
  };
  struct PushRun {
    ControlRun press;
    ControlRun release;
  };

  bool PressPushButton(Point point);
  bool PressButtonArray(Point point);
  bool PressRockerSwitch(Point point);
  bool PressSlider(Point point);
  bool PressCounterOrTimer(Point point);
  bool PressPIController(Point point);
  bool PressInputWindow(Point point, const Rect& clientrect);
  bool PressKeypad(Point point);

  void StartControlAction(int controlcode, const ActionSlot& texts, const ActionHolder& holder, ControlRun& run);
  void ContinueControlAction(const ActionHolder& holder, ControlRun& run);
  void StepRocker(int index, int half);
  // Up (0), reset (1) or down (2); the Conditionals that watch it look again.
  void StepCounter(int index, int part);
  void MoveSlider(int index, int y, bool send);
  void TakeKeypadKey(int index, int key);
  void EnterInputValue(int index);
  PushRun& Push(int index);
  ControlRun& Input(int index);

  CKorvixDoc& m_doc;
  const ViewState& m_view;
  ObjectGeometry& m_geometry;
  RunValues& m_values;
  Executors& m_executors;
  RunServices& m_services;
  PIStepper& m_pi;
  MillisecondClock& m_clock;
  InputWindowRunStates& m_inputs;

  Held m_held = Held::None;
  int m_heldindex = -1;
  int m_heldpart = -1;
  uint32_t m_heldsince = 0;
  uint32_t m_lastrepeat = 0;
  int m_keypadwindow = -1;  // the Input Window whose keypad is open
  Rect m_keypadrect;
  int m_editwindow = -1;  // the Input Window typed into on the keyboard
  std::deque<PushRun> m_pushes;
  std::deque<ControlRun> m_inputruns;
  ChartRecorderControls m_charts;
};

}  // namespace korvix
