#include "runloop/view_runtime.h"

#include "comms/port_map.h"
#include "values/value_refresh.h"

namespace korvix {

namespace {

constexpr char kTransmitTimeoutTitle[] = "Transmit Time-Out";
constexpr char kTransmitTimeoutText[] = "No module acknowledged the command ";
constexpr char kTransmitTimeoutHelp[] = "XmitVerify.htm";

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
      m_scripts(services.scripts),
      m_weblog(services.weblog),
      m_dde(services.dde),
      m_runstates(services.runstates ? *services.runstates : m_ownrunstates),
      m_link(*this, m_runmessages, services.clock, services.profile, m_numbers, services.serialports),
      m_linkservices(m_link),
      m_values(doc, m_runmessages, *this, *this, services.scripts, m_linkservices, services.clock),
      m_refresher(m_values.Values(), m_values.Random(), m_values.Tables()),
      m_runclock(services.wall, services.clock),
      m_datalog(doc, m_values.Values(), m_runclock, services.recordsink ? *services.recordsink : m_runmessages,
                LogFilesOf(services, m_ownlogfiles),
                services.clock),
      m_schedule(doc),
      m_charts(doc, m_values.Values(), m_runclock, m_runmessages),
      m_popupbox(services.popupwindow) {
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
  m_doc.m_weblogreading.Set(0);
  m_doc.m_weblogbusy.Set(0);
  constexpr int kClearAtStartUp = 1;
  if (m_doc.m_logclearschedule == kClearAtStartUp) m_datalog.ClearDataLog(ExpandLabelRefs(m_doc.m_datalogfile));

  const int port = m_doc.m_comport >= 0 ? m_doc.m_comport : DefaultComPort(m_profile);
  if (!m_link.IsOpen() || port != m_doc.m_comport) m_doc.m_comport = m_link.OpenComPort(port) == 1 ? port : -1;

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

void ViewRuntime::UpdateClockTexts() {
  m_runclock.UpdateTimestamp();
  m_values.State().m_clock.Set(m_wall.Now());
}

int ViewRuntime::PolledCount() {
  return m_doc.m_datawindows.Count() + m_doc.m_levelgauges.Count() + m_doc.m_dialgauges.Count() +
         m_doc.m_metergauges.Count() + m_doc.m_vertgauges.Count() + m_doc.m_horzgauges.Count() +
         m_doc.m_windvanes.Count() + m_doc.m_dualhandgauges.Count() + m_doc.m_picontrollers.Count();
}

ViewRuntime::PolledRef ViewRuntime::PolledAt(int position) {
  const int counts[kPolledKinds] = {
      m_doc.m_datawindows.Count(), m_doc.m_levelgauges.Count(), m_doc.m_dialgauges.Count(),
      m_doc.m_metergauges.Count(), m_doc.m_vertgauges.Count(), m_doc.m_horzgauges.Count(),
      m_doc.m_windvanes.Count(),   m_doc.m_dualhandgauges.Count(), m_doc.m_picontrollers.Count()};
  int kind = 0;
  while (kind < kPolledKinds - 1 && position >= counts[kind]) position -= counts[kind++];
  return {static_cast<PolledKind>(kind), position};
}

}  // namespace korvix
