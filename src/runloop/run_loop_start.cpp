#include <ctime>

#include "platform/configuration_keys.h"
#include "runloop/view_runtime.h"
#include "values/value_conversion.h"
#include "values/value_refresh.h"

namespace korvix {

namespace {

constexpr int kClearAtRunLoop = 2;
constexpr int kLevelLowestUnseen = 2147483647;
constexpr int kLevelHighestUnseen = -2147483647;
constexpr char kLampOnText[] = "On";
constexpr char kLampOffText[] = "Off";

uint32_t ProfileMs(Profile& profile, const char* key, int fallback) {
  const int value = profile.GetProfileInt(kConfigurationSection, key, fallback);
  return static_cast<uint32_t>(value > 0 ? value : fallback);
}

bool IsSpecial(const std::string& text) { return text == kErrorText || text == kOverflowText; }

}  // namespace

void ViewRuntime::StartRunLoop() {
  if (m_run.IsRunning()) return;
  if (m_comport < 0) m_comport = m_link.ReopenLostComPort();
  m_run.SetRunning(true);
  m_quit = false;
  m_ended = false;
  // A run started from the dispatch of one that has just halted stacks on
  // it.
  ++m_frames;
  const bool outerlooping = m_looping;
  m_looping = false;
  StartAndRun();
  m_looping = outerlooping;
  --m_frames;
}

void ViewRuntime::StartAndRun() {
  m_values.Random().Seed(static_cast<uint32_t>(std::time(nullptr)));

  m_window.DeselectAll();
  m_window.UpdateWindow();
  m_link.FlushComInput();
  // A Communications Error in the flush has halted the run already: nothing
  // of the start may follow its halt.
  if (!m_run.IsRunning()) {
    if (m_quit) EndForQuit();
    return;
  }
  m_values.ClearPendingReplies();
  m_link.ResetCollisionWatch();
  m_values.State().m_recdata.clear();
  m_values.State().m_rawdata.clear();
  m_values.Tables().Clear();

  m_telephoneringtime = ProfileMs(m_profile, kTelephoneRingtimeKey, kDefaultTelephoneRingtime);
  m_values.State().m_transmittimeout = ProfileMs(m_profile, kTransmitTimeoutKey, kDefaultTransmitTimeout);
  m_values.State().m_transmitrepeat = ProfileMs(m_profile, kTransmitRepeatKey, kDefaultTransmitRepeat);

  const LocalDateTime edge = m_runclock.AlignToSecond();
  UpdateClockTexts(edge);
  m_clocksecond = edge.second;

  const uint32_t now = m_clock.Now();
  m_schedule.Start(now, m_wall.Now());

  m_webloginterval = ProfileMs(m_profile, kWebLogIntervalKey, kDefaultWebLogInterval);
  m_weblogprogress.m_weblogdone.Set(now);
  m_weblogprogress.m_webloglinelen.Set(0);
  // A second upload beside one still under way from the last run would race
  // it over the same page.
  if (!m_weblog.IsRunning()) {
    m_weblogprogress.m_weblogbusy.Set(0);
    m_weblogprogress.m_weblogreading.Set(0);
  }

  if (m_doc.m_logclearschedule == kClearAtRunLoop) m_datalog.ClearDataLog(ExpandLabelRefs(m_doc.m_datalogfile));

  SetStartValues();
  StartChartRecorders();
  m_scripts.StartControls();

  m_link.m_rxbuffer.clear();
  SendInitCommands();
  if (m_quit) return EndForQuit();
  if (m_run.IsRunning()) m_scripts.StartButtonArraysAtRun();
  const std::string script = ExpandLabelRefs(m_doc.m_runinitscript);
  if (m_run.IsRunning() && !script.empty()) m_scripts.RunScriptByName(script);
  m_values.PollConditionals(ConditionalSweep::Every);

  m_pollcursor = 0;
  m_lastpoll = m_clock.Now() - static_cast<uint32_t>(m_doc.m_polldelay);
  m_recomputestamps.assign(kObjectKindCount, {});
  m_drawnpivots.clear();
  m_looping = true;
  while (m_run.IsRunning()) {
    if (!RunPass()) return EndForQuit();
  }
  // A quit that the halt commands' pumping saw.
  if (m_quit) EndForQuit();
}

void ViewRuntime::RunNestedPass() {
  if (!NestedPassMayRun()) return;
  ++m_frames;
  const bool going = RunPass();
  --m_frames;
  if (!going) EndForQuit();
}

bool ViewRuntime::NestedPassMayRun() const {
  return m_run.IsRunning() && m_looping && !m_halting && !m_runmessages.AnyOpen() && m_frames == m_dispatching;
}

// A nested pass and the loop below it both see the same quit; the program
// ends once.
void ViewRuntime::EndForQuit() {
  m_run.SetRunning(false);
  m_link.m_pollport = 0;
  if (m_ended) return;
  m_ended = true;
  m_pump.EndProcess();
}

void ViewRuntime::SetStartValues() {
  StartVariables();
  for (ScriptRecord& script : m_doc.m_scripts) {
    script.isrunning = 0;
    script.curstep = 0;
  }
  for (ConditionalRecord& conditional : m_doc.m_conditionals) {
    conditional.armed = 1;
    conditional.actionstarted = 0;
  }
  for (int i = 0; i < m_doc.m_inputwindows.Count(); ++i) {
    InputWindowRecord& r = m_doc.m_inputwindows[i];
    if (r.resetonrun != 0) {
      r.valuetext = r.resetvalue;
      Invalidate(ScreenObjectKind::InputWindow, i, r.page);
    }
  }
  StartGauges();
  StartLampsAndCounters();
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) {
    Invalidate(ScreenObjectKind::ButtonArray, i, m_doc.m_buttonarrays[i].page);
  }
}

void ViewRuntime::StartVariables() {
  for (VariableRecord& variable : m_doc.m_variables) {
    variable.timerrunning = 0;
    if (variable.resetonrun == 1) {
      variable.valuetext = variable.valueformat == kVariableText ? "" : "0";
    } else if (IsSpecial(variable.valuetext)) {
      variable.valuetext = "0";
      m_doc.SetModifiedFlag();
    } else {
      continue;
    }
    RefreshVariableText(variable);
  }
}

void ViewRuntime::StartGauges() {
  for (int i = 0; i < m_doc.m_levelgauges.Count(); ++i) {
    LevelGaugeRecord& r = m_doc.m_levelgauges[i];
    r.minseen = kLevelLowestUnseen;
    r.maxseen = kLevelHighestUnseen;
    r.valuetext.clear();
    Invalidate(ScreenObjectKind::LevelGauge, i, r.page);
  }
  const auto scale = [this](auto& list, ScreenObjectKind kind) {
    for (int i = 0; i < list.Count(); ++i) {
      auto& r = list[i];
      r.valuetext = *m_runstates.DrawnValue(kind, i);
      Reformat(r.valuetext, ConversionOf(r));
      Invalidate(kind, i, r.page);
    }
  };
  scale(m_doc.m_dialgauges, ScreenObjectKind::DialGauge);
  scale(m_doc.m_metergauges, ScreenObjectKind::MeterGauge);
  scale(m_doc.m_vertgauges, ScreenObjectKind::VerticalGauge);
  scale(m_doc.m_horzgauges, ScreenObjectKind::HorizontalGauge);
  for (int i = 0; i < m_doc.m_dualhandgauges.Count(); ++i) {
    DualHandGaugeRecord& r = m_doc.m_dualhandgauges[i];
    r.valuetext = "0";
    Reformat(r.valuetext, ConversionOf(r));
    Invalidate(ScreenObjectKind::DualHandGauge, i, r.page);
  }
  for (int i = 0; i < m_doc.m_picontrollers.Count(); ++i) {
    m_doc.m_picontrollers[i].valuetext = "0.0";
    Invalidate(ScreenObjectKind::PIController, i, m_doc.m_picontrollers[i].page);
  }
}

void ViewRuntime::StartLampsAndCounters() {
  for (int i = 0; i < m_doc.m_signallamps.Count(); ++i) {
    SignalLampRecord& r = m_doc.m_signallamps[i];
    if (r.resetonrun == 0) continue;
    r.state = r.resetstate != 0 ? 1 : 0;
    r.valuetext = r.state != 0 ? kLampOnText : kLampOffText;
    Invalidate(ScreenObjectKind::SignalLamp, i, r.page);
  }
  for (int i = 0; i < m_doc.m_eventcounters.Count(); ++i) {
    EventCounterRecord& r = m_doc.m_eventcounters[i];
    if (r.resetonrun == 0) continue;
    r.valuetext = r.resetvalue;
    Invalidate(ScreenObjectKind::EventCounter, i, r.page);
  }
}

void ViewRuntime::StartChartRecorders() {
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i)
    if (m_doc.m_chartrecorders[i].autostart != 0) StartChartRecorder(i);
}

void ViewRuntime::StartChartRecorder(int index) {
  if (!Recording()) return;
  const uint32_t now = m_clock.Now();
  m_charts.StartChartRecorder(index, now);
  ChartRecorderRunState& state = m_runstates.ChartRecorders()[index];
  state.windowheld = 0;
  state.lastfollow = static_cast<int>(now);
  Invalidate(ScreenObjectKind::ChartRecorder, index, m_doc.m_chartrecorders[index].page);
}

void ViewRuntime::SendInitCommands() { SendCommandLines(m_doc.m_runinitsend, true); }

bool ViewRuntime::SendCommandLines(const std::string& text, bool whilerunning) {
  constexpr uint32_t kLineWaitMs = 100;
  constexpr uint32_t kBetweenLinesMs = 3;
  size_t at = 0;
  while (at < text.size() && (!whilerunning || m_run.IsRunning())) {
    size_t end = text.find('\r', at);
    // A last line without its CR is still a command the user wrote.
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(at, end - at);
    at = end + 2;  // past the CR and the LF after it
    if (line.empty()) continue;
    const std::string address(1, line[0]);
    if (m_link.TransmitCommand(line) == 0) {
      m_link.WaitForReply(kLineWaitMs, address);
      DispatchReceivedLines();
      m_link.TransmitCommand(line);
    }
    m_link.WaitForReply(kLineWaitMs, address);
    m_link.m_rxbuffer.clear();
    // A channel setup command ("AS" and a channel letter) takes a module
    // a while longer.
    if (line.size() == 3 && line[1] == 'S' && line[2] >= 'A' && line[2] <= 'N') {
      m_link.WaitForReply(kLineWaitMs, address);
      DispatchReceivedLines();
    }
    m_clock.SleepMs(kBetweenLinesMs);
    if (!PumpAndRead()) {
      m_quit = true;
      return false;
    }
  }
  return true;
}

bool ViewRuntime::PumpAndRead() { return m_link.PumpWhileHeld() == 1; }

bool ViewRuntime::PumpMessage() {
  const bool counted = EnterDispatch();
  const bool going = m_pump.PumpMessage();
  LeaveDispatch(counted);
  return going;
}

// The toolkit dispatches what arrives while the pass waits, so a window the
// user opens may start here as well as in the pump.
void ViewRuntime::WaitForMessage(uint32_t ms) {
  const bool counted = EnterDispatch();
  m_pump.WaitMessage(ms);
  LeaveDispatch(counted);
}

// Only the innermost pass's dispatch counts: a loop of its own that a
// dispatched window pumps the same way is still inside it.
bool ViewRuntime::EnterDispatch() {
  if (m_dispatching >= m_frames) return false;
  ++m_dispatching;
  return true;
}

void ViewRuntime::LeaveDispatch(bool counted) {
  if (counted) --m_dispatching;
}

}  // namespace korvix
