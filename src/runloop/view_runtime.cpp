#include "runloop/view_runtime.h"

#include <array>

#include "comms/port_map.h"
#include "values/value_refresh.h"

namespace korvix {

namespace {

constexpr char kTransmitTimeoutTitle[] = "Transmit Time-Out";
constexpr char kTransmitTimeoutText[] = "No module acknowledged the command ";
constexpr char kTransmitTimeoutHelp[] = "XmitVerify.htm";

// The polled kinds in the order a poll cycle visits them: kind order, but the
// Wind Vanes before the Dual Hand Gauges.
constexpr std::array kPollingOrder = {
    ScreenObjectKind::DataWindow, ScreenObjectKind::LevelGauge,    ScreenObjectKind::DialGauge,
    ScreenObjectKind::MeterGauge, ScreenObjectKind::VerticalGauge, ScreenObjectKind::HorizontalGauge,
    ScreenObjectKind::WindVane,   ScreenObjectKind::DualHandGauge, ScreenObjectKind::PIController};
static_assert(
    [] {
      int polled = 0;
      ForEachKind([&](auto tag) { polled += KindTraits<decltype(tag)::value>::kPolled ? 1 : 0; });
      for (ScreenObjectKind kind : kPollingOrder) {
        if (!IsPolledKind(kind)) return false;
      }
      return polled == static_cast<int>(kPollingOrder.size());
    }(),
    "the polling order holds every polled kind once");

LogFileAccess& LogFilesOf(RuntimeServices& services, std::unique_ptr<LogFileAccess>& own) {
  if (services.logfiles) return *services.logfiles;
  own = std::make_unique<PosixLogFileAccess>();
  return *own;
}

}  // namespace

ViewRuntime::ViewRuntime(CKorvixDoc& doc, RuntimeServices services)
    : m_doc(doc),
      m_profile(services.profile),
      m_sink(services.sink),
      m_runmessages(services.sink),
      m_clock(services.clock),
      m_wall(services.wall),
      m_pump(services.pump),
      m_window(services.window),
      m_weblog(services.weblog),
      m_dde(services.dde),
      m_runstates(services.runstates ? *services.runstates : m_ownrunstates),
      m_link(PeersOf(*this), m_run, services.linksink ? *services.linksink : m_runmessages, services.clock,
             services.profile, m_numbers, services.serialports),
      m_linkservices(m_link),
      m_values(doc, m_runmessages, *this, *this, *this, m_linkservices, services.clock),
      m_refresher(m_values.Values(), m_values.Random(), m_values.Tables()),
      m_runclock(services.wall, services.clock),
      m_datalog(doc, m_values.Values(), m_runclock, services.recordsink ? *services.recordsink : m_runmessages,
                LogFilesOf(services, m_ownlogfiles), services.clock),
      m_schedule(doc, m_weblogprogress.m_weblogreading),
      m_charts(doc, m_runstates, m_values.Values(), m_runclock, m_runmessages),
      m_popupbox(services.popupwindow),
      m_scripts(services.scripts(*this)) {
  m_popupbox.AttachTo(m_sink);
  m_popupbox.SetHaltHandler([this] { HaltRunLoop(); });
}

ViewRuntime::~ViewRuntime() {
  m_sink.SetPopupCloser({});
  m_link.CloseComPort();
}

void ViewRuntime::OnInitialUpdate() {
  m_popupbox.Close();
  HaltRunLoop();
  m_charts.EmptyAll();
  m_weblogprogress.m_weblogreading.Set(0);
  m_weblogprogress.m_weblogbusy.Set(0);
  constexpr int kClearAtStartUp = 1;
  if (m_doc.m_logclearschedule == kClearAtStartUp) m_datalog.ClearDataLog(ExpandLabelRefs(m_doc.m_datalogfile));

  const int port = m_comport >= 0 ? m_comport : DefaultComPort(m_profile);
  if (!m_link.IsOpen() || port != m_comport) m_comport = m_link.OpenComPort(port) == 1 ? port : -1;

  if (m_doc.m_autostartrunloop != 0) m_pump.PostRunLoopMessage(RunLoopMessage::Start);
}

SliderMirror ViewRuntime::GetSliderControl(int index) {
  const SliderControlRecord& r = m_doc.m_slidercontrols[index];
  SliderMirror mirror;
  mirror.command = r.sendprefix;
  mirror.valuetext = r.valuetext;
  mirror.valuetype = r.valuetype;
  mirror.topvalue = r.topvalue;
  mirror.bottomvalue = r.bottomvalue;
  mirror.idlabel = r.title;
  mirror.link = r.sendvalueto;
  mirror.oncurrentpage = OnCurrentPage(r.page);
  return mirror;
}

void ViewRuntime::SetSliderValueText(int index, const std::string& value) {
  m_doc.m_slidercontrols[index].valuetext = value;
}

void ViewRuntime::InvalidateSliderControl(int index) {
  Invalidate(ScreenObjectKind::SliderControl, index, m_doc.m_slidercontrols[index].page);
}

RockerMirror ViewRuntime::GetRockerSwitch(int index) {
  const RockerSwitchRecord& r = m_doc.m_rockerswitches[index];
  RockerMirror mirror;
  mirror.initmode = r.initmode;
  mirror.command1 = r.upprefix;
  mirror.command2 = r.downprefix;
  mirror.statetext = r.valuetext;
  mirror.valuetype = r.valuetype;
  mirror.uplimit = r.uplimit;
  mirror.downlimit = r.downlimit;
  mirror.link = r.sendvalueto;
  mirror.oncurrentpage = OnCurrentPage(r.page);
  return mirror;
}

void ViewRuntime::SetRockerStateText(int index, const std::string& value) {
  m_doc.m_rockerswitches[index].valuetext = value;
}

void ViewRuntime::InvalidateRockerSwitch(int index) {
  Invalidate(ScreenObjectKind::RockerSwitch, index, m_doc.m_rockerswitches[index].page);
}

void ViewRuntime::InvalidateObject(ScreenObjectKind kind, int index) { m_window.InvalidateObject(kind, index); }

void ViewRuntime::ShowTransmitTimeout(const std::string& command) {
  m_popupbox.Show(kTransmitTimeoutTitle, kTransmitTimeoutText + command + ".", kTransmitTimeoutHelp);
}

void ViewRuntime::Invalidate(ScreenObjectKind kind, int index, int page) {
  if (OnCurrentPage(page)) m_window.InvalidateObject(kind, index);
}

void ViewRuntime::Reformat(std::string& valuetext, const ValueConversion& conversion) {
  m_refresher.Refresh(valuetext, conversion);
}

void ViewRuntime::UpdateClockTexts(const LocalDateTime& now) {
  m_runclock.SetTimestamp(now);
  m_values.State().m_clock.Set(now);
}

int ViewRuntime::PolledCount() {
  int count = 0;
  ForEachKind([&](auto tag) {
    if constexpr (KindTraits<decltype(tag)::value>::kPolled) count += ListOf<decltype(tag)::value>(m_doc).Count();
  });
  return count;
}

ViewRuntime::PolledRef ViewRuntime::PolledAt(int position) {
  for (std::size_t k = 0; k + 1 < kPollingOrder.size(); ++k) {
    int count = 0;
    VisitKind(kPollingOrder[k], [&](auto tag) { count = ListOf<decltype(tag)::value>(m_doc).Count(); });
    if (position < count) return {kPollingOrder[k], position};
    position -= count;
  }
  return {kPollingOrder.back(), position};
}

}  // namespace korvix
