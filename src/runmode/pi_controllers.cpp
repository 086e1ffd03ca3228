#include "runmode/pi_controllers.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "render/controls/slider_knob.h"
#include "texts/number_texts.h"
#include "values/value_refresh.h"

namespace korvix {
namespace {

constexpr const char* kZeroOutput = "0.0";
constexpr int kOutputDecimals = 1;
constexpr uint32_t kModuleWaitMs = 100;
constexpr int kPositive = 0;
constexpr int kNegative = 1;

std::optional<double> Decimal(const std::string& text) { return SliderNumber(text, 0); }

// Max and Min Values hold whole numbers; an empty one counts as 0.
double RangeValue(const std::string& text) {
  NumberTexts numbers;
  return numbers.ParseNumberText(text);
}

std::string CorrectionValue(double from, double to, double share) {
  return std::to_string(std::llround(from + (to - from) * share));
}

// No correction, and nothing summed up for the next one.
void Rest(PIControllerState& state) {
  state.fresh = 0;
  state.integral = 0;
  state.output = kZeroOutput;
}

// Decimals of the Kp and Ki format (0, 0.0 or 0.00).
int GainDecimals(const PIControllerRecord& r) { return std::clamp(r.kpkiformat, 0, 2); }

}  // namespace

PIControllers::PIControllers(CKorvixDoc& doc, RunValues& values, LinkServices& link, ObjectActions& view,
                             MillisecondClock& clock)
    : m_doc(doc), m_values(values), m_link(link), m_view(view), m_clock(clock) {}

std::array<std::string, 2> PIControllers::CorrectionValues(const PIControllerRecord& r, double output) {
  const double share = std::clamp(output, -kPIOutputLimit, kPIOutputLimit) / kPIOutputLimit;
  std::array<std::string, 2> values;
  if (!r.posprefix.empty()) {
    values[kPositive] = CorrectionValue(RangeValue(r.posmin), RangeValue(r.posmax), std::max(share, 0.0));
  }
  if (!r.negprefix.empty()) {
    values[kNegative] = CorrectionValue(RangeValue(r.negmin), RangeValue(r.negmax), std::max(-share, 0.0));
  }
  return values;
}

std::string PIControllers::CorrectionCommand(int index, int side, const std::string& value) const {
  const PIControllerRecord& r = m_doc.m_picontrollers[index];
  return (side == kPositive ? r.posprefix : r.negprefix) + value;
}

void PIControllers::Redraw(int index) {
  if (m_doc.m_picontrollers[index].page == m_doc.m_curpage) {
    m_view.InvalidateObject(ScreenObjectKind::PIController, index);
  }
}

void PIControllers::StartRun() {
  const uint32_t now = m_clock.Now();
  for (int i = 0; i < m_doc.m_picontrollers.Count(); ++i) {
    const PIControllerRecord& r = m_doc.m_picontrollers[i];
    PIControllerState& state = m_values.State().PIController(i);
    // Objects may have been added or deleted since: a set point belongs to
    // the controller that bore it.
    if (state.idlabel != r.idlabel) state = PIControllerState{};
    state.idlabel = r.idlabel;
    state.running = 1;
    state.laststep = now;
    Rest(state);
    SendCorrectionsNow(i);
    Redraw(i);
  }
}

void PIControllers::HaltRun(bool wasrunning) {
  for (int i = 0; i < std::min(m_doc.m_picontrollers.Count(), m_values.State().PIControllerCount()); ++i) {
    for (int side = 0; side < m_values.State().CommandSlots(CommandKind::PIController, i); ++side) {
      m_values.State().Command(CommandKind::PIController, i, side).pending = 0;
    }
    PIControllerState& state = m_values.State().PIController(i);
    state.running = 0;
    Rest(state);
    if (wasrunning) SendCorrectionsNow(i);
    Redraw(i);
  }
}

void PIControllers::Advance() {
  for (int i = 0; i < std::min(m_doc.m_picontrollers.Count(), m_values.State().PIControllerCount()); ++i) {
    Compute(i);
  }
}

void PIControllers::Compute(int index) {
  PIControllerState& state = m_values.State().PIController(index);
  if (!state.running || !state.fresh) return;
  state.fresh = 0;
  const uint32_t now = m_clock.Now();
  const double seconds = ElapsedMs(now, state.laststep) / 1000.0;
  state.laststep = now;
  const PIControllerRecord& r = m_doc.m_picontrollers[index];
  const std::optional<double> reading = Decimal(r.valuetext);
  if (!reading) {
    state.integral = 0;
    SetOutput(index, 0);
    return;
  }
  const double kp = Decimal(r.kptext).value_or(0);
  const double ki = Decimal(r.kitext).value_or(0);
  const double error = Decimal(state.setpoint).value_or(0) - *reading;
  const double integral = state.integral + error * seconds;
  const double unheld = kp * error + ki * integral;
  // While the output is held at a limit, integrating further in the same
  // direction would only wind the integral up and delay the way back.
  const bool windup = (unheld > kPIOutputLimit && ki * error > 0) || (unheld < -kPIOutputLimit && ki * error < 0);
  if (!windup) state.integral = integral;
  SetOutput(index, std::clamp(kp * error + ki * state.integral, -kPIOutputLimit, kPIOutputLimit));
}

void PIControllers::SetOutput(int index, double output) {
  const std::string text = FormatValue(output, kOutputDecimals);
  PIControllerState& state = m_values.State().PIController(index);
  if (text != state.output) {
    state.output = text;
    Redraw(index);
  }
  QueueCorrections(index);
}

std::array<std::string, 2> PIControllers::Corrections(int index) {
  return CorrectionValues(m_doc.m_picontrollers[index],
                          Decimal(m_values.State().PIController(index).output).value_or(0));
}

void PIControllers::QueueCorrections(int index) {
  const std::array<std::string, 2> values = Corrections(index);
  for (int side = kPositive; side <= kNegative; ++side) {
    const std::string& value = values[static_cast<size_t>(side)];
    if (value.empty() || value == m_values.State().PIController(index).sent[static_cast<size_t>(side)]) continue;
    m_values.State().PIController(index).sent[static_cast<size_t>(side)] = value;
    CommandState& command = m_values.State().Command(CommandKind::PIController, index, side);
    command.command = CorrectionCommand(index, side, value);
    command.expected.clear();
    command.noreply = 1;
    command.replystate = 0;
    command.pending = 1;
  }
}

void PIControllers::SendCorrectionsNow(int index) {
  const std::array<std::string, 2> values = Corrections(index);
  for (int side = kPositive; side <= kNegative; ++side) {
    const std::string& value = values[static_cast<size_t>(side)];
    if (value.empty()) continue;
    m_values.State().Command(CommandKind::PIController, index, side).pending = 0;
    m_values.State().PIController(index).sent[static_cast<size_t>(side)] = value;
    const std::string text = m_values.ExpandLabelRefs(CorrectionCommand(index, side, value));
    if (m_link.TransmitCommand(text) != 1) {
      m_link.WaitForReply(kModuleWaitMs, text);
      if (m_link.TransmitCommand(text) != 1) continue;
    }
    // The module's answer comes before the next command goes out.
    m_link.WaitForReply(kModuleWaitMs, text);
  }
}

void PIControllers::StartPIController(int index) {
  PIControllerState& state = m_values.State().PIController(index);
  if (state.running) return;
  state.idlabel = m_doc.m_picontrollers[index].idlabel;
  state.running = 1;
  state.laststep = m_clock.Now();
  // A halted controller rests at zero already.
  Rest(state);
}

void PIControllers::HaltPIController(int index) {
  m_values.State().PIController(index).running = 0;
  Rest(m_values.State().PIController(index));
  QueueCorrections(index);
  Redraw(index);
}

void PIControllers::SetPIControllerSetPoint(int index, long long setpoint) {
  m_values.State().PIController(index).setpoint = std::to_string(setpoint);
  Redraw(index);
}

void PIControllers::StepPIController(int index, PIStepButton button) {
  const int step =
      button == PIStepButton::SetPointUp || button == PIStepButton::KpUp || button == PIStepButton::KiUp ? 1 : -1;
  if (button == PIStepButton::SetPointUp || button == PIStepButton::SetPointDown) {
    PIControllerState& state = m_values.State().PIController(index);
    state.setpoint = std::to_string(std::llround(Decimal(state.setpoint).value_or(0)) + step);
    Redraw(index);
    return;
  }
  PIControllerRecord& r = m_doc.m_picontrollers[index];
  if (r.locksettings) return;
  std::string& gain = button == PIStepButton::KpUp || button == PIStepButton::KpDown ? r.kptext : r.kitext;
  const int decimals = GainDecimals(r);
  const double unit = std::pow(10.0, -decimals);
  gain = FormatValue(std::max(0.0, Decimal(gain).value_or(0) + step * unit), decimals);
  m_doc.SetModifiedFlag();
  Redraw(index);
}

PIControllerReadings PIControllers::Readings(int index) {
  const PIControllerState& state = m_values.State().PIController(index);
  return {state.setpoint, state.output, std::nullopt};
}

}  // namespace korvix
