#include "executors/control_actions.h"

#include <charconv>
#include <limits>

#include "texts/number_texts.h"

namespace korvix {
namespace {

constexpr const char* kLampOnText = "On";
constexpr const char* kLampOffText = "Off";
constexpr const char* kOverflowValue = "Overflow";

}  // namespace

void ControlActions::TurnOnLampAction(int index) {
  SignalLampRecord& lamp = m_doc.m_signallamps[index];
  lamp.valuetext = kLampOnText;
  lamp.state = 1;
  LampStamp(index) = m_clock.Now();
  m_services.InvalidateControl(ScreenObjectKind::SignalLamp, index);
}

void ControlActions::TurnOffLampAction(int index) {
  SignalLampRecord& lamp = m_doc.m_signallamps[index];
  lamp.valuetext = kLampOffText;
  lamp.state = 0;
  m_services.InvalidateControl(ScreenObjectKind::SignalLamp, index);
}

void ControlActions::ToggleLampAction(int index) {
  if (m_doc.m_signallamps[index].valuetext == kLampOnText) {
    TurnOffLampAction(index);
  } else {
    TurnOnLampAction(index);
  }
}

uint32_t& ControlActions::LampStamp(int index) {
  if (static_cast<size_t>(index) >= m_lampon.size()) m_lampon.resize(static_cast<size_t>(index) + 1);
  return m_lampon[static_cast<size_t>(index)];
}

void ControlActions::FlashLamps() {
  constexpr uint32_t kDarkMs = 199;
  const uint32_t now = m_clock.Now();
  for (int i = 0; i < m_doc.m_signallamps.Count(); ++i) {
    SignalLampRecord& lamp = m_doc.m_signallamps[i];
    const int r = lamp.flashrate;
    if (r < 1 || r > 5 || lamp.valuetext != kLampOnText) continue;
    const uint32_t lit = static_cast<uint32_t>((350 - 50 * r) * (7 - r));
    uint32_t& stamp = LampStamp(i);
    if (lamp.state && ElapsedMs(now, stamp) >= lit) {
      lamp.state = 0;
    } else if (!lamp.state && ElapsedMs(now, stamp) > kDarkMs) {
      lamp.state = 1;
    } else {
      continue;
    }
    stamp = now;
    m_services.InvalidateControl(ScreenObjectKind::SignalLamp, i);
  }
}

void ControlActions::StepCounter(int index, int step) {
  EventCounterRecord& counter = m_doc.m_eventcounters[index];
  long long value = 0;
  const std::string& text = counter.valuetext;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  // "Error" and "Overflow" stay until the counter is reset.
  if (error != std::errc() || end != text.data() + text.size()) return;
  value += step;
  if (value > std::numeric_limits<int32_t>::max() || value < std::numeric_limits<int32_t>::min()) {
    counter.valuetext = kOverflowValue;
  } else {
    counter.valuetext = std::to_string(value);
  }
  m_services.InvalidateControl(ScreenObjectKind::EventCounter, index);
}

void ControlActions::IncrementCounterAction(int index) { StepCounter(index, 1); }
void ControlActions::DecrementCounterAction(int index) { StepCounter(index, -1); }

void ControlActions::ResetCounterAction(int index) {
  EventCounterRecord& counter = m_doc.m_eventcounters[index];
  counter.valuetext = counter.resetvalue;
  m_services.InvalidateControl(ScreenObjectKind::EventCounter, index);
}

ControlActions::TimerRun& ControlActions::Timer(int index) {
  if (static_cast<size_t>(index) >= m_timers.size()) m_timers.resize(static_cast<size_t>(index) + 1);
  return m_timers[static_cast<size_t>(index)];
}

bool ControlActions::TimerRunning(int index) const {
  return static_cast<size_t>(index) < m_timers.size() && m_timers[static_cast<size_t>(index)].running;
}

void ControlActions::ShowTimer(int index) {
  EventTimerRecord& timer = m_doc.m_eventtimers[index];
  int64_t elapsed = timer.elapsedms;
  if (TimerRunning(index)) elapsed += ElapsedMs(m_clock.Now(), Timer(index).start);
  timer.valuetext = elapsed > std::numeric_limits<int32_t>::max()
                        ? std::string(kOverflowValue)
                        : FormatDuration(static_cast<int32_t>(elapsed), timer.timeformat);
  m_services.InvalidateControl(ScreenObjectKind::EventTimer, index);
}

void ControlActions::StartEventTimerAction(int index) {
  TimerRun& run = Timer(index);
  if (run.running) return;
  run.running = 1;
  run.start = m_clock.Now();
  ShowTimer(index);
}

void ControlActions::StopEventTimerAction(int index) {
  TimerRun& run = Timer(index);
  if (!run.running) return;
  EventTimerRecord& timer = m_doc.m_eventtimers[index];
  const int64_t elapsed = int64_t{timer.elapsedms} + ElapsedMs(m_clock.Now(), run.start);
  timer.elapsedms = static_cast<int>(std::min<int64_t>(elapsed, std::numeric_limits<int32_t>::max()));
  run.running = 0;
  ShowTimer(index);
}

void ControlActions::ResetEventTimerAction(int index) {
  m_doc.m_eventtimers[index].elapsedms = m_doc.m_eventtimers[index].resetms;
  Timer(index).start = m_clock.Now();
  ShowTimer(index);
}

void ControlActions::AdvanceEventTimers() {
  for (int i = 0; i < m_doc.m_eventtimers.Count(); ++i) {
    if (TimerRunning(i)) ShowTimer(i);
  }
}

void ControlActions::Reset() {
  m_timers.clear();
  m_lampon.clear();
}

}  // namespace korvix
