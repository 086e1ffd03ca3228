#include "runmode/run_controls.h"

#include <charconv>
#include <cmath>

#include "automation/action_codes.h"
#include "render/controls/button_array.h"
#include "render/controls/keypad.h"
#include "render/controls/slider_knob.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

constexpr const char* kErrorValue = "Error";
// A counter or PI-Controller button held down steps again this often.
constexpr uint32_t kHeldStepMs = 250;
constexpr size_t kMaxEntryChars = 20;

bool Inside(const Rect& r, Point p) { return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom; }

std::optional<long long> ControlNumber(const std::string& text, int valuetype) {
  const auto value = SliderNumber(text, valuetype);
  if (!value) return std::nullopt;
  return static_cast<long long>(std::llround(*value));
}

std::string ControlText(long long value, int valuetype) {
  const auto n = static_cast<int32_t>(value);
  if (valuetype == 1) return FormatHexText(n);
  if (valuetype == 2) return FormatBinaryText(n);
  return std::to_string(n);
}

void Queue(CommandState& command, const std::string& text, const std::string& target, int responseexpected) {
  command.command = text;
  command.expected = target;
  command.noreply = responseexpected ? 0 : 1;
  command.replystate = 0;
  command.pending = 1;
}

}  // namespace

RunControls::RunControls(CKorvixDoc& doc, const ViewState& view, ObjectGeometry& geometry, RunValues& values,
                         Executors& executors, RunServices& services, PIStepper& pi, MillisecondClock& clock,
                         InputWindowRunStates& inputs)
    : m_doc(doc),
      m_view(view),
      m_geometry(geometry),
      m_values(values),
      m_executors(executors),
      m_services(services),
      m_pi(pi),
      m_clock(clock),
      m_inputs(inputs),
      m_charts(doc, view, geometry.States(), services, clock) {}

uint32_t RunControls::RockerRepeatMs(int repeatrate) {
  const int w = std::clamp(repeatrate, 0, 10);
  return static_cast<uint32_t>((100 - 10 * w) * (10 - w));
}

RunControls::PushRun& RunControls::Push(int index) {
  if (static_cast<size_t>(index) >= m_pushes.size()) m_pushes.resize(static_cast<size_t>(index) + 1);
  return m_pushes[static_cast<size_t>(index)];
}

RunControls::ControlRun& RunControls::Input(int index) {
  if (static_cast<size_t>(index) >= m_inputruns.size()) m_inputruns.resize(static_cast<size_t>(index) + 1);
  return m_inputruns[static_cast<size_t>(index)];
}

bool RunControls::PushButtonDown(int index) const {
  if (m_held == Held::PushButton && m_heldindex == index) return true;
  if (static_cast<size_t>(index) >= m_pushes.size()) return false;
  const PushButtonRecord& button = m_doc.m_pushbuttons[index];
  const PushRun& run = m_pushes[static_cast<size_t>(index)];
  return (button.pressholds && run.press.active) || (button.releaseholds && run.release.active);
}

bool RunControls::ButtonArrayRunning(int index) const { return m_executors.Arrays().IsRunning(index); }

std::optional<RockerHalf> RunControls::HeldRockerHalf(int index) const {
  if (m_held != Held::RockerSwitch || m_heldindex != index) return std::nullopt;
  return m_heldpart == 0 ? RockerHalf::Upper : RockerHalf::Lower;
}

std::optional<CounterButton> RunControls::HeldCounterButton(int index) const {
  if (m_held != Held::CounterButton || m_heldindex != index) return std::nullopt;
  return static_cast<CounterButton>(m_heldpart);
}

std::optional<TimerButton> RunControls::HeldTimerButton(int index) const {
  if (m_held != Held::TimerButton || m_heldindex != index) return std::nullopt;
  return static_cast<TimerButton>(m_heldpart);
}

PIControllerReadings RunControls::PIControllerReadingsOf(int index) const {
  PIControllerReadings readings = m_pi.Readings(index);
  if (m_held == Held::PIButton && m_heldindex == index) readings.pressed = static_cast<PIStepButton>(m_heldpart);
  return readings;
}

bool RunControls::OnLeftButtonDown(Point point, const Rect& clientrect) {
  if (m_keypadwindow >= 0) return PressKeypad(point);
  return PressPushButton(point) || PressButtonArray(point) || PressRockerSwitch(point) || PressSlider(point) ||
         PressCounterOrTimer(point) || PressPIController(point) || m_charts.OnLeftButtonDown(point) ||
         PressInputWindow(point, clientrect);
}

void RunControls::StartControlAction(int controlcode, const ActionSlot& stored, const ActionHolder& holder,
                                     ControlRun& run) {
  ActionSlot texts = stored;
  texts.action = ArrayActionFromControl(controlcode);
  if (texts.action == kNoAction) {
    m_executors.Actions().ReportBadText("action code", std::to_string(controlcode));
    run.active = false;
    return;
  }
  run.active = m_executors.Actions().Start(texts, holder, run.wait) == ActionProgress::Waiting;
}

void RunControls::ContinueControlAction(const ActionHolder& holder, ControlRun& run) {
  if (!run.active) return;
  run.active = m_executors.Actions().Continue(holder, run.wait) == ActionProgress::Waiting;
}

bool RunControls::PressPushButton(Point point) {
  for (int i = 0; i < m_doc.m_pushbuttons.Count(); ++i) {
    PushButtonRecord& button = m_doc.m_pushbuttons[i];
    if (button.page != m_doc.m_curpage || !Inside(m_geometry.ObjectRectPushButton(i), point)) continue;
    m_held = Held::PushButton;
    m_heldindex = i;
    m_services.InvalidateControl(ScreenObjectKind::PushButton, i);
    ActionSlot texts;
    texts.param = button.pressparam;
    texts.second = button.presssecond;
    texts.fontsize = button.pressfontsize;
    texts.barcode = button.pressbarcode;
    texts.barsize = button.pressbarsize;
    StartControlAction(button.pressaction, texts, ActionHolder{CommandKind::PushButton, i, 0}, Push(i).press);
    return true;
  }
  return false;
}

bool RunControls::PressButtonArray(Point point) {
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) {
    ButtonArrayRecord& array = m_doc.m_buttonarrays[i];
    if (array.page != m_doc.m_curpage) continue;
    const Rect rect = m_geometry.ObjectRectButtonArray(i);
    if (!Inside(rect, point)) continue;
    for (int k = 0; k < array.buttons.Count(); ++k) {
      if (Inside(ButtonArraySubButtonRect(rect, array.buttons.Count(), k), point)) {
        m_executors.Arrays().SelectSubButton(i, k);
        break;
      }
    }
    return true;
  }
  return false;
}

bool RunControls::PressRockerSwitch(Point point) {
  for (int i = 0; i < m_doc.m_rockerswitches.Count(); ++i) {
    if (m_doc.m_rockerswitches[i].page != m_doc.m_curpage) continue;
    int half = -1;
    if (Inside(m_geometry.ObjectRectRockerSwitchUpper(i), point)) half = 0;
    if (Inside(m_geometry.ObjectRectRockerSwitchLower(i), point)) half = 1;
    if (half < 0) continue;
    m_held = Held::RockerSwitch;
    m_heldindex = i;
    m_heldpart = half;
    m_heldsince = m_lastrepeat = m_clock.Now();
    StepRocker(i, half);
    return true;
  }
  return false;
}

void RunControls::StepRocker(int index, int half) {
  RockerSwitchRecord& rocker = m_doc.m_rockerswitches[index];
  const std::string& prefix = half == 0 ? rocker.upprefix : rocker.downprefix;
  CommandState& command = m_values.State().Command(CommandKind::RockerSwitch, index, half);
  if (rocker.initmode == 2) {
    Queue(command, prefix, rocker.responseto, rocker.responseexpected);
    return;
  }
  const auto value = ControlNumber(rocker.valuetext, rocker.valuetype);
  const auto limit = ControlNumber(half == 0 ? rocker.uplimit : rocker.downlimit, rocker.valuetype);
  const auto other = ControlNumber(half == 0 ? rocker.downlimit : rocker.uplimit, rocker.valuetype);
  // A switch that shows "Error" could not be set up and does not operate.
  if (!value || !limit || !other) return;
  const int step = (half == 0 ? rocker.upstep : rocker.downstep) == 0 ? 1 : -1;
  long long next = *value + step;
  if ((step > 0 && next > *limit) || (step < 0 && next < *limit)) next = rocker.rollover ? *other : *limit;
  rocker.valuetext = ControlText(next, rocker.valuetype);
  m_services.InvalidateControl(ScreenObjectKind::RockerSwitch, index);
  Queue(command, prefix + rocker.valuetext, rocker.responseto, rocker.responseexpected);
  m_values.DeliverLabelValue(rocker.sendvalueto, rocker.valuetext);
}

bool RunControls::PressSlider(Point point) {
  for (int i = 0; i < m_doc.m_slidercontrols.Count(); ++i) {
    const SliderControlRecord& slider = m_doc.m_slidercontrols[i];
    if (slider.page != m_doc.m_curpage) continue;
    const bool onknob = Inside(ObjectRectSliderKnob(m_doc, m_view, i), point);
    if (!onknob && !Inside(m_geometry.ObjectRectSliderControl(i), point)) continue;
    m_held = Held::Slider;
    m_heldindex = i;
    // A click beside the knob moves it there at once.
    if (!onknob) MoveSlider(i, point.y, true);
    return true;
  }
  return false;
}

void RunControls::MoveSlider(int index, int y, bool send) {
  SliderControlRecord& slider = m_doc.m_slidercontrols[index];
  const auto top = ControlNumber(slider.topvalue, slider.valuetype);
  const auto bottom = ControlNumber(slider.bottomvalue, slider.valuetype);
  if (!top || !bottom || slider.valuetext == kErrorValue) return;
  const SliderTrack track = SliderTrackOf(slider, m_view);
  long long value = *bottom;
  if (track.ybottom != track.ytop) {
    const double share = std::clamp(static_cast<double>(track.ybottom - y) / (track.ybottom - track.ytop), 0.0, 1.0);
    value = std::llround(static_cast<double>(*bottom) + share * static_cast<double>(*top - *bottom));
  }
  const std::string text = ControlText(value, slider.valuetype);
  const bool changed = text != slider.valuetext;
  if (changed) {
    slider.valuetext = text;
    m_services.InvalidateControl(ScreenObjectKind::SliderControl, index);
    m_values.DeliverLabelValue(slider.sendvalueto, text);
  }
  if (send && (changed || !slider.continuoussend)) {
    Queue(m_values.State().Command(CommandKind::SliderControl, index), slider.sendprefix + text, slider.responseto,
          slider.responseexpected);
  }
}

bool RunControls::PressCounterOrTimer(Point point) {
  ControlActions& controls = m_executors.Controls();
  for (int i = 0; i < m_doc.m_eventcounters.Count(); ++i) {
    const EventCounterRecord& counter = m_doc.m_eventcounters[i];
    if (counter.page != m_doc.m_curpage || !counter.manualbuttons) continue;
    int part = -1;
    if (Inside(m_geometry.ObjectRectEventCounterUpButton(i), point)) part = 0;
    if (Inside(m_geometry.ObjectRectEventCounterResetButton(i), point)) part = 1;
    if (Inside(m_geometry.ObjectRectEventCounterDownButton(i), point)) part = 2;
    if (part < 0) continue;
    m_held = Held::CounterButton;
    m_heldindex = i;
    m_heldpart = part;
    m_lastrepeat = m_clock.Now();
    StepCounter(i, part);
    return true;
  }
  for (int i = 0; i < m_doc.m_eventtimers.Count(); ++i) {
    const EventTimerRecord& timer = m_doc.m_eventtimers[i];
    if (timer.page != m_doc.m_curpage || !timer.manualbuttons) continue;
    int part = -1;
    if (Inside(m_geometry.ObjectRectEventTimerStartButton(i), point)) part = 0;
    if (Inside(m_geometry.ObjectRectEventTimerResetButton(i), point)) part = 1;
    if (Inside(m_geometry.ObjectRectEventTimerHaltButton(i), point)) part = 2;
    if (part < 0) continue;
    m_held = Held::TimerButton;
    m_heldindex = i;
    m_heldpart = part;
    if (part == 0) controls.StartEventTimerAction(i);
    if (part == 1) controls.ResetEventTimerAction(i);
    if (part == 2) controls.StopEventTimerAction(i);
    return true;
  }
  return false;
}

void RunControls::StepCounter(int index, int part) {
  ControlActions& controls = m_executors.Controls();
  if (part == 0) controls.IncrementCounterAction(index);
  if (part == 1) controls.ResetCounterAction(index);
  if (part == 2) controls.DecrementCounterAction(index);
  const std::string label = m_doc.m_eventcounters[index].idlabel;
  m_values.RunConditionalsFor(label);
}

bool RunControls::PressPIController(Point point) {
  for (int i = 0; i < m_doc.m_picontrollers.Count(); ++i) {
    const PIControllerRecord& pi = m_doc.m_picontrollers[i];
    if (pi.page != m_doc.m_curpage) continue;
    const Rect rect = m_geometry.ObjectRectPIController(i);
    if (!Inside(rect, point)) continue;
    const PIControllerLayout layout = PIControllerPanel(rect, m_view, pi.sizecode);
    for (size_t b = 0; b < layout.buttons.size(); ++b) {
      if (!Inside(layout.buttons[b], point)) continue;
      m_held = Held::PIButton;
      m_heldindex = i;
      m_heldpart = static_cast<int>(b);
      m_lastrepeat = m_clock.Now();
      m_pi.StepPIController(i, static_cast<PIStepButton>(b));
      m_services.InvalidateControl(ScreenObjectKind::PIController, i);
    }
    return true;
  }
  return false;
}

bool RunControls::PressInputWindow(Point point, const Rect& clientrect) {
  for (int i = 0; i < m_doc.m_inputwindows.Count(); ++i) {
    const InputWindowRecord& window = m_doc.m_inputwindows[i];
    if (window.page != m_doc.m_curpage) continue;
    if (!Inside(m_geometry.ObjectRectInputWindowEditButton(i), point)) {
      if (Inside(m_geometry.ObjectRectInputWindow(i), point)) return true;
      continue;
    }
    InputWindowRunState& state = m_inputs[i];
    state.editing = 1;
    state.edittext.clear();
    state.editbuttonheld = 1;
    if (window.keypadsize > 0) {
      state.keypadopen = 1;
      m_keypadwindow = i;
      m_keypadrect = m_geometry.ObjectRectInputWindowKeypad(i, clientrect);
    } else {
      m_editwindow = i;
    }
    m_held = Held::None;
    m_heldindex = i;
    m_services.InvalidateControl(ScreenObjectKind::InputWindow, i);
    return true;
  }
  return false;
}

bool RunControls::PressKeypad(Point point) {
  const int window = m_keypadwindow;
  InputWindowRunState& state = m_inputs[window];
  if (!Inside(m_keypadrect, point)) {
    // A click beside the keypad closes it and the typing is dropped.
    state = InputWindowRunState{};
    m_keypadwindow = -1;
    m_services.InvalidateControl(ScreenObjectKind::InputWindow, window);
    return true;
  }
  for (size_t k = 0; k < kKeypadKeys.size(); ++k) {
    if (!Inside(KeypadKeyRect(m_keypadrect, static_cast<int>(k)), point)) continue;
    state.keypadkey = static_cast<int>(k) + 1;
    m_held = Held::KeypadKey;
    m_heldindex = window;
    m_services.InvalidateControl(ScreenObjectKind::InputWindow, window);
    TakeKeypadKey(window, static_cast<int>(k));
    break;
  }
  return true;
}

void RunControls::TakeKeypadKey(int index, int key) {
  InputWindowRunState& state = m_inputs[index];
  const std::string_view caption = kKeypadKeys[static_cast<size_t>(key)].caption;
  if (caption == "Enter") {
    EnterInputValue(index);
  } else if (caption == "C") {
    state.edittext.clear();
  } else if (caption == "+/-") {
    if (!state.edittext.empty() && state.edittext.front() == '-') {
      state.edittext.erase(0, 1);
    } else {
      state.edittext.insert(0, 1, '-');
    }
  } else if (state.edittext.size() < kMaxEntryChars) {
    state.edittext += caption;
  }
}

bool RunControls::OnCharacter(char c) {
  const int index = m_editwindow >= 0 ? m_editwindow : m_keypadwindow;
  if (index < 0) return false;
  InputWindowRunState& state = m_inputs[index];
  if (c == '\r' || c == '\n') {
    EnterInputValue(index);
  } else if (c == '\x1b') {
    state = InputWindowRunState{};
    m_editwindow = m_keypadwindow = -1;
  } else if (c == '\b') {
    if (!state.edittext.empty()) state.edittext.pop_back();
  } else if (state.edittext.size() < kMaxEntryChars && c >= ' ') {
    state.edittext += c;
  }
  m_services.InvalidateControl(ScreenObjectKind::InputWindow, index);
  return true;
}

void RunControls::EnterInputValue(int index) {
  InputWindowRecord& window = m_doc.m_inputwindows[index];
  const std::string typed = m_inputs[index].edittext;
  m_inputs[index] = InputWindowRunState{};
  m_keypadwindow = m_editwindow = -1;
  if (m_held == Held::KeypadKey) m_held = Held::None;
  // Delivery cleans the number ("Error" when nothing is left of it) and runs
  // the Conditionals that watch the window.
  m_values.DeliverLabelValue(window.idlabel, typed);
  m_services.InvalidateControl(ScreenObjectKind::InputWindow, index);
  ActionSlot texts;
  texts.param = window.actiontext;
  texts.second = window.actiontext2;
  texts.fontsize = window.labelfontsize;
  texts.barcode = window.labelbarcode;
  texts.barsize = window.labelbarsize;
  StartControlAction(window.action, texts, ActionHolder{CommandKind::InputWindow, index, 0}, Input(index));
}

bool RunControls::OnMouseMove(Point point) {
  if (m_held != Held::Slider) return m_held != Held::None;
  MoveSlider(m_heldindex, point.y, m_doc.m_slidercontrols[m_heldindex].continuoussend != 0);
  return true;
}

bool RunControls::OnLeftButtonUp(Point point) {
  if (m_charts.OnLeftButtonUp()) return true;
  const Held held = m_held;
  const int index = m_heldindex;
  m_held = Held::None;
  switch (held) {
    case Held::PushButton: {
      const PushButtonRecord& button = m_doc.m_pushbuttons[index];
      ActionSlot texts;
      texts.param = button.releaseparam;
      texts.second = button.releasesecond;
      texts.fontsize = button.releasefontsize;
      texts.barcode = button.releasebarcode;
      texts.barsize = button.releasebarsize;
      StartControlAction(button.releaseaction, texts, ActionHolder{CommandKind::PushButton, index, 1},
                         Push(index).release);
      m_services.InvalidateControl(ScreenObjectKind::PushButton, index);
      return true;
    }
    case Held::Slider: MoveSlider(index, point.y, true); return true;
    case Held::KeypadKey:
      m_inputs[index].keypadkey = 0;
      m_services.InvalidateControl(ScreenObjectKind::InputWindow, index);
      return true;
    case Held::RockerSwitch: m_services.InvalidateControl(ScreenObjectKind::RockerSwitch, index); return true;
    case Held::CounterButton: m_services.InvalidateControl(ScreenObjectKind::EventCounter, index); return true;
    case Held::TimerButton: m_services.InvalidateControl(ScreenObjectKind::EventTimer, index); return true;
    case Held::PIButton: m_services.InvalidateControl(ScreenObjectKind::PIController, index); return true;
    case Held::None:
      if (index >= 0 && index < m_doc.m_inputwindows.Count()) m_inputs[index].editbuttonheld = 0;
      return false;
  }
  return false;
}

void RunControls::ServiceHeldControls() {
  m_executors.Controls().FlashLamps();
  if (m_held != Held::RockerSwitch) return;
  const RockerSwitchRecord& rocker = m_doc.m_rockerswitches[m_heldindex];
  if (rocker.valuetext == kErrorValue) return;
  const uint32_t now = m_clock.Now();
  if (ElapsedMs(now, m_lastrepeat) < RockerRepeatMs(rocker.repeatrate)) return;
  m_lastrepeat = now;
  StepRocker(m_heldindex, m_heldpart);
}

void RunControls::AdvanceControls() {
  for (size_t i = 0; i < m_pushes.size(); ++i) {
    const int index = static_cast<int>(i);
    const bool before = PushButtonDown(index);
    ContinueControlAction(ActionHolder{CommandKind::PushButton, index, 0}, m_pushes[i].press);
    ContinueControlAction(ActionHolder{CommandKind::PushButton, index, 1}, m_pushes[i].release);
    if (before != PushButtonDown(index)) m_services.InvalidateControl(ScreenObjectKind::PushButton, index);
  }
  for (size_t i = 0; i < m_inputruns.size(); ++i) {
    ContinueControlAction(ActionHolder{CommandKind::InputWindow, static_cast<int>(i), 0}, m_inputruns[i]);
  }
  const bool stepping = m_held == Held::PIButton || (m_held == Held::CounterButton && m_heldpart != 1);
  if (stepping && ElapsedMs(m_clock.Now(), m_lastrepeat) >= kHeldStepMs) {
    m_lastrepeat = m_clock.Now();
    if (m_held == Held::CounterButton) {
      StepCounter(m_heldindex, m_heldpart);
    } else {
      m_pi.StepPIController(m_heldindex, static_cast<PIStepButton>(m_heldpart));
      m_services.InvalidateControl(ScreenObjectKind::PIController, m_heldindex);
    }
  }
  m_charts.AdvanceControls();
  m_executors.Controls().AdvanceEventTimers();
}

void RunControls::Reset() {
  m_held = Held::None;
  m_heldindex = -1;
  m_charts.Reset();
  m_keypadwindow = m_editwindow = -1;
  // In place: a halt may come from inside an action that still holds its state.
  for (PushRun& run : m_pushes) run = PushRun{};
  for (ControlRun& run : m_inputruns) run = ControlRun{};
  m_inputs.Clear();
}

}  // namespace korvix
