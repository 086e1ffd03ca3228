#include <algorithm>

#include "runloop/view_runtime.h"
#include "values/value_conversion.h"
#include "values/value_refresh.h"

namespace korvix {

namespace {

constexpr uint32_t kMaxReplyWaitMs = 100;
constexpr uint32_t kPollStepBudgetMs = 5;
constexpr uint32_t kRecomputeMs = 20;
constexpr uint32_t kFollowMs = 100;
constexpr uint32_t kReducedCpuWaitMs = 20;
// Longest sleep between passes when nothing is due: short enough that the
// pass keeps within a millisecond of its timings, long enough that an idle
// run costs next to no processor time.
constexpr uint32_t kIdleWaitMs = 2;

constexpr const char* kClockNames[] = {"systemtime", "systemhour",  "systemmin", "systemsec", "systemdate",
                                       "systemyear", "systemmonth", "systemday", "systemdow"};

// An object whose value comes from its math formula over other labels, not
// from a module: its polling command starts with no module address.
template <class Record>
bool IsComputedObject(const Record& r) {
  if constexpr (requires { r.formula; }) {
    return ModuleAddressOf(r.pollcommand) == 0 && !r.formula.empty();
  } else {
    return false;
  }
}

}  // namespace

template <class Use>
void ViewRuntime::WithPolled(PolledRef ref, Use&& use) {
  VisitKind(ref.kind, [&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    if constexpr (KindTraits<K>::kPolled) use(ListOf<K>(m_doc)[ref.index], K);
  });
}

bool ViewRuntime::RunPass() {
  ++m_passes;
  PollStep();
  RecomputeStep();
  m_scripts.ServiceHeldControls();
  m_scripts.ExecuteRunningButtonArrays();
  m_scripts.ExecuteRunningScripts();
  m_values.PollConditionals(ConditionalSweep::Pending);
  m_scripts.AdvanceControls();
  ChartStep();
  DataLogStep();
  WebLogStep();
  m_scripts.ServiceDialQueue(m_telephoneringtime);
  PivotTrackerStep();
  ClockStep();
  if (m_doc.m_reducedcpu != 0) WaitForMessage(kReducedCpuWaitMs);
  DispatchReceivedLines();
  ServiceReplyTimeouts();
  m_values.ServicePendingSends();
  m_dde.SendDdeAdvise();
  if (!PumpAndRead()) return false;
  if (m_doc.m_reducedcpu == 0 && m_run.IsRunning()) IdleUntilDue();
  return true;
}

void ViewRuntime::PollStep() {
  const uint32_t interval = static_cast<uint32_t>(std::max(0, m_doc.m_polldelay));
  if (ElapsedMs(m_clock.Now(), m_lastpoll) < interval) return;
  const int total = PolledCount();
  if (total == 0) return;
  const int start = m_pollcursor % total;
  const uint32_t began = m_clock.Now();
  int at = start;
  do {
    // After a collision or a poll the line is left to the modules for a
    // while; the window gets its turns meanwhile and a later pass goes on
    // from here.
    if (m_link.LineSettling()) {
      m_pollcursor = at;
      return;
    }
    const PolledRef ref = PolledAt(at);
    bool sent = false;
    WithPolled(ref, [&](auto& r, ScreenObjectKind) {
      if (IsComputedObject(r)) return;
      const std::string command = ExpandLabelRefs(r.pollcommand);
      if (command.empty() || m_link.TransmitPollCommand(command) == 0) return;
      const uint32_t now = m_clock.Now();
      PolledState& state = m_values.State().Polled(ref.kind, ref.index);
      state.awaiting = 1;
      state.senttime = now;
      m_lastpoll = now;
      ++m_polls;
      const uint32_t wait = static_cast<uint32_t>(std::max(0, m_doc.m_replytimeout));
      m_link.AwaitPollReply(std::min(wait, kMaxReplyWaitMs), command.substr(0, 1));
      DispatchReceivedLines();
      sent = true;
    });
    at = (at + 1) % total;
    // A module talking over the line makes every try slow: the window gets
    // its turn before the next object is tried, and the next pass goes on
    // from there.
    if (sent || ElapsedMs(m_clock.Now(), began) > kPollStepBudgetMs) {
      m_pollcursor = at;
      return;
    }
  } while (at != start && m_run.IsRunning());
  m_pollcursor = (start + 1) % total;
}

void ViewRuntime::RecomputeStep() {
  const int total = PolledCount();
  for (int at = 0; at < total; ++at) {
    const PolledRef ref = PolledAt(at);
    WithPolled(ref, [&](auto& r, ScreenObjectKind kind) {
      if (!IsComputedObject(r)) return;
      const uint32_t now = m_clock.Now();
      std::vector<uint32_t>& stamps = m_recomputestamps[static_cast<size_t>(KindIndex(ref.kind))];
      if (stamps.size() <= static_cast<size_t>(ref.index)) {
        stamps.resize(static_cast<size_t>(ref.index) + 1, now - kRecomputeMs - 1);
      }
      uint32_t& stamp = stamps[static_cast<size_t>(ref.index)];
      if (ElapsedMs(now, stamp) <= kRecomputeMs) return;
      stamp = now;
      const std::string old = r.valuetext;
      r.valuetext = "0";
      Reformat(r.valuetext, ConversionOf(r));
      if (r.valuetext != old) Invalidate(kind, ref.index, r.page);
      if constexpr (requires { r.sensorto; }) m_values.State().PIController(ref.index).fresh = 1;
      const std::string& forward = ForwardLabelOf(r);
      if (!forward.empty()) {
        const std::string target = forward;
        const std::string value = r.valuetext;
        DeliverLabelValue(target, value);
      }
      m_values.RunConditionalsFor(r.idlabel);
    });
  }
}

void ViewRuntime::ChartStep() {
  for (int i = 0; i < m_doc.m_chartrecorders.Count(); ++i) {
    ChartRecorderRecord& r = m_doc.m_chartrecorders[i];
    ChartRecorderRunState& state = m_runstates.ChartRecorders()[i];
    if (state.running == 0 || r.fields.Count() == 0) continue;
    const uint32_t now = m_clock.Now();
    if (!m_charts.SampleChartRecorder(i, now)) continue;
    if (!OnCurrentPage(r.page) || state.windowheld != 0) continue;
    if (ElapsedMs(now, static_cast<uint32_t>(state.lastfollow)) < kFollowMs) continue;
    state.lastfollow = static_cast<int>(now);
    // The newest sample stands at the middle, as a recalled plot shows it.
    r.windowdate = r.lastdate;
    r.windowtime = r.lasttime;
    state.redrawtraces = 1;
    // The rest of the recorder stands still; a paint of the time readout
    // alone leaves its cards and buttons undrawn.
    m_window.InvalidateRect(state.timerect);
    m_window.InvalidateRect(state.plotrect);
  }
}

void ViewRuntime::DataLogStep() {
  if (m_schedule.TimedRecordDue(m_clock.Now())) WriteDataLogRecord();
}

void ViewRuntime::WriteDataLogRecord() {
  if (!Recording()) return;
  const std::string path = ExpandLabelRefs(m_doc.m_datalogfile);
  if (Recording()) m_datalog.WriteDataLogRecord(path);
}

void ViewRuntime::WebLogStep() {
  if (m_doc.m_ftpaddress.empty() || m_weblogprogress.m_weblogbusy.Get() != 0) return;
  if (ElapsedMs(m_clock.Now(), m_weblogprogress.m_weblogdone.Get()) < m_webloginterval) return;
  m_weblogprogress.m_weblogpath = ExpandLabelRefs(m_doc.m_datalogfile);
  m_weblogprogress.m_weblogbusy.Set(1);
  m_weblogprogress.m_weblogreading.Set(1);
  m_weblog.Start(m_doc, m_weblogprogress);
}

void ViewRuntime::PivotTrackerStep() {
  const int count = m_doc.m_pivottrackers.Count();
  m_drawnpivots.resize(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const PivotTexts& now = m_values.State().Pivot(i);
    PivotTexts& drawn = m_drawnpivots[static_cast<size_t>(i)];
    if (now.position == drawn.position && now.run == drawn.run && now.water == drawn.water && now.sis == drawn.sis)
      continue;
    drawn = now;
    Invalidate(ScreenObjectKind::PivotTracker, i, m_doc.m_pivottrackers[i].page);
  }
}

void ViewRuntime::ClockStep() {
  const LocalDateTime now = m_wall.Now();
  if (now.second == m_clocksecond) return;
  m_clocksecond = now.second;
  UpdateClockTexts(now);
  for (const char* name : kClockNames) m_values.RunConditionalsFor(name);
}

void ViewRuntime::IdleUntilDue() {
  const uint32_t interval = static_cast<uint32_t>(std::max(0, m_doc.m_polldelay));
  const uint32_t since = ElapsedMs(m_clock.Now(), m_lastpoll);
  const uint32_t untilpoll = PolledCount() == 0 || since >= interval ? kIdleWaitMs : interval - since;
  const uint32_t wait = std::min(untilpoll, kIdleWaitMs);
  if (wait > 0) m_link.WaitReadable(wait);
}

}  // namespace korvix
