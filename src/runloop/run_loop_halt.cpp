#include "runloop/view_runtime.h"
#include "values/value_refresh.h"

namespace korvix {

namespace {
constexpr char kLampOnText[] = "On";
constexpr char kLampOffText[] = "Off";
}  // namespace

void ViewRuntime::HaltRunLoop() {
  // The halt commands pump messages; a second halt asked for meanwhile (the
  // menu chosen twice) is the same halt.
  if (m_halting) return;
  m_halting = true;
  const bool wasrunning = m_run.IsRunning();
  m_values.ClearPendingReplies();
  if (wasrunning && m_comport != -1 && m_link.IsOpen()) SendCommandLines(m_doc.m_runexitsend, false);
  ResetRunState(wasrunning);
  m_scripts.HangUpTelephone();
  m_run.SetRunning(false);
  m_link.m_pollport = 0;
  m_dde.SendDdeAdvise();
  m_halting = false;
}

void ViewRuntime::ResetRunState(bool wasrunning) {
  for (int i = 0; i < m_doc.m_datawindows.Count(); ++i) {
    m_doc.m_datawindows[i].valuetext.clear();
    Invalidate(ScreenObjectKind::DataWindow, i, m_doc.m_datawindows[i].page);
  }
  for (int i = 0; i < m_doc.m_textwindows.Count(); ++i) {
    Invalidate(ScreenObjectKind::TextWindow, i, m_doc.m_textwindows[i].page);
  }
  for (int i = 0; i < m_doc.m_signallamps.Count(); ++i) {
    SignalLampRecord& r = m_doc.m_signallamps[i];
    r.state = r.resetstate != 0 ? 1 : 0;
    r.valuetext = r.state != 0 ? kLampOnText : kLampOffText;
    Invalidate(ScreenObjectKind::SignalLamp, i, r.page);
  }
  for (VariableRecord& variable : m_doc.m_variables) {
    variable.timerrunning = 0;
    RefreshVariableText(variable);
  }
  for (int i = 0; i < m_doc.m_pushbuttons.Count(); ++i) {
    Invalidate(ScreenObjectKind::PushButton, i, m_doc.m_pushbuttons[i].page);
  }
  for (int i = 0; i < m_doc.m_buttonarrays.Count(); ++i) {
    Invalidate(ScreenObjectKind::ButtonArray, i, m_doc.m_buttonarrays[i].page);
  }
  m_scripts.ResetControls(wasrunning);
  // The samples stay, so that the plot of the run can still be saved.
  m_charts.HaltChartRecorders();
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i) {
    ChartRecorderRunState& state = m_runstates.ChartRecorders()[i];
    state.tostartpressed = state.toendpressed = state.stepbackpressed = state.stepforwardpressed = 0;
    state.cursor1downpressed = state.cursor1uppressed = state.cursor2downpressed = state.cursor2uppressed = 0;
    state.timedivdownpressed = state.timedivuppressed = state.printpressed = 0;
    Invalidate(ScreenObjectKind::ChartRecorder, i, m_doc.m_chartrecorders[i].page);
  }
}

}  // namespace korvix
