#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "comms/com_link.h"
#include "comms/com_link_peers.h"
#include "dispatch/com_link_services.h"
#include "dispatch/run_values.h"
#include "document/kind_traits.h"
#include "document/korvix_doc.h"
#include "platform/configuration_keys.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/profile.h"
#include "platform/wall_clock.h"
#include "recording/chart_memories.h"
#include "recording/data_log.h"
#include "recording/data_log_schedule.h"
#include "recording/log_file_access.h"
#include "recording/popup_box.h"
#include "recording/run_clock.h"
#include "render/object_run_states.h"
#include "runloop/message_pump.h"
#include "runloop/publishing.h"
#include "runloop/run_loop_messages.h"
#include "runloop/run_loop_services.h"
#include "runloop/runtime_window.h"
#include "texts/number_texts.h"
#include "values/value_hooks.h"
#include "values/value_refresh.h"

namespace korvix {

class ViewRuntime;

// The executors work on the runtime's label values and link, and every pass
// calls them: the runtime makes them once those exist, so that both sides
// are built whole.
using ScriptServicesMaker = std::function<ScriptServices&(ViewRuntime&)>;

// Script services that need nothing of the runtime (a project run without
// executors, a test's fake).
inline ScriptServicesMaker ExistingScripts(ScriptServices& scripts) {
  return [&scripts](ViewRuntime&) -> ScriptServices& { return scripts; };
}

// What the view hands its run-time core: the program's own services and the
// parts that later work fills in.
struct RuntimeServices {
  Profile& profile;
  MessageSink& sink;
  MillisecondClock& clock;
  WallClock& wall;
  MessagePump& pump;
  RuntimeWindow& window;
  PopupWindow& popupwindow;
  ScriptServicesMaker scripts;
  WebLogThread& weblog;
  DdeAdvisor& dde;
  SerialPortFactory serialports = MakePosixSerialPort;
  LogFileAccess* logfiles = nullptr;  // the local disk when null
  // Where the data log's faults are told: one that shows them once the
  // event loop gets to them, so that the box does not hold the pass that
  // raised it. The run's own messages when null.
  MessageSink* recordsink = nullptr;
  // Where the COM link tells its failures and a module that keeps colliding,
  // the same way: a failure still ends the run at once, and a collision
  // message does not stop the polling. The run's own messages when null.
  MessageSink* linksink = nullptr;
  // The view's run-time states of the objects, which hold the gauges'
  // values as last drawn; the runtime's own when null.
  ObjectRunStates* runstates = nullptr;
};

// The run-time state of the view and its Run-Loop, apart from any toolkit:
// the COM link, the label values with their dispatcher, the data log, the
// Chart Recorder memories, the run-time clock and the popup box. The loop
// runs on the caller's thread inside StartRunLoop and pumps the messages of
// that thread itself.
class ViewRuntime final : public PortSelection,
                          public RunLoopHalt,
                          public ReplyTracking,
                          public LabelValueAccess,
                          public PopupDisplay,
                          public ControlMirrors,
                          public MessageQueue,
                          public RunLoopControl,
                          public ObjectActions,
                          public ScriptStarter {
public:
  ViewRuntime(CKorvixDoc& doc, RuntimeServices services);
  ~ViewRuntime() override;
  ViewRuntime(const ViewRuntime&) = delete;
  ViewRuntime& operator=(const ViewRuntime&) = delete;

  // A project was created or opened: the Run-Loop halts (resetting every
  // object), the data log is cleared when the project asks for it at
  // start-up, and the selected port is kept open, else the profile's default
  // is opened.
  // A project set to start by itself posts the start message.
  void OnInitialUpdate();

  void StartRunLoop();
  // One pass for an event loop entered from the Run-Loop's dispatch, such as
  // a modal window the user opened, so that the plant is polled and logged
  // while it is open. Runs only while every pass under way is waiting in
  // its dispatch, never while the start or the halt sends its commands and
  // never while a message of the Run-Loop waits for the user. A quit it
  // sees ends the program as in the Run-Loop's own pump.
  void RunNestedPass();
  bool NestedPassMayRun() const;
  void HaltRunLoop() override;
  void SendInitCommands() override;
  void OnStartRunLoopMessage() { StartRunLoop(); }
  void OnHaltRunLoopMessage() {
    if (m_run.IsRunning()) HaltRunLoop();
  }
  bool IsRunning() override { return m_run.IsRunning(); }
  bool WebLogBusy() override { return m_weblogprogress.m_weblogbusy.Get() == 1; }
  void RequestHalt() override { HaltRunLoop(); }

  ComLink& Link() { return m_link; }
  RunValues& Values() { return m_values; }
  DataLog& Log() { return m_datalog; }
  ChartMemories& Charts() { return m_charts; }
  RunClock& Clock() { return m_runclock; }
  PopupBox& Popup() { return m_popupbox; }
  NumberTexts& Numbers() { return m_numbers; }
  // Passes run since construction; a test's and a benchmark's measure.
  uint64_t PassCount() const { return m_passes; }
  // Commands sent by the poll step since construction.
  uint64_t PollCount() const { return m_polls; }
  // The tick of the last poll that went out (its seed at the start).
  uint32_t LastPollTime() const { return m_lastpoll; }

  // What the COM link needs of the view.
  int SelectedComPort() override { return m_comport; }
  void SelectComPort(int port) override { m_comport = port; }
  void ForgetComPort() override { m_comport = -1; }
  bool IsReplyPending(char address) override { return m_values.IsReplyPending(address); }
  void ServiceReplyTimeouts() override { m_values.ServiceReplyTimeouts(); }
  void DispatchReceivedLines() override { m_values.DispatchReceivedLines(); }
  std::string ExpandLabelRefs(const std::string& text) override { return m_values.ExpandLabelRefs(text); }
  void DeliverLabelValue(const std::string& label, const std::string& value) override {
    m_values.DeliverLabelValue(label, value);
  }
  void ShowPopupBox(const std::string& title, const std::string& text) override { m_popupbox.Show(title, text); }
  void SetModifiedFlag() override { m_doc.SetModifiedFlag(); }
  int SliderControlCount() override { return m_doc.m_slidercontrols.Count(); }
  SliderMirror GetSliderControl(int index) override;
  void SetSliderValueText(int index, const std::string& value) override;
  void InvalidateSliderControl(int index) override;
  int RockerSwitchCount() override { return m_doc.m_rockerswitches.Count(); }
  RockerMirror GetRockerSwitch(int index) override;
  void SetRockerStateText(int index, const std::string& value) override;
  void InvalidateRockerSwitch(int index) override;
  QueuedMessage PeekQueuedMessage() override { return m_pump.PeekQueuedMessage(); }
  bool PumpMessage() override;
  void PostQuitMessage() override { m_pump.PostQuitMessage(); }
  bool OnIdle(int count) override { return m_pump.OnIdle(count); }

  // Run-Loop start or "Start Chart Recorder": recorder `index` starts
  // afresh with its window at the clock's texts, following its newest
  // sample, and is redrawn. Not once the halt has begun.
  void StartChartRecorder(int index);
  // The timed record or a "Log Data to File": one data log record of the
  // running plant, to the data log file named now. None once the halt has
  // begun, nor when naming the file began it (a label that does not
  // exist): the values are then the halt's.
  void WriteDataLogRecord();
  // An area of the current page, redrawn without erasing.
  void InvalidateRect(const Rect& rect) { m_window.InvalidateRect(rect); }

  // ObjectActions
  void InvalidateObject(ScreenObjectKind kind, int index) override;
  ControlTriggers& Triggers() override { return m_scripts.Triggers(); }
  void SetButtonArrayAction(const std::string& label, const std::string& value) override {
    m_scripts.SetButtonArrayAction(label, value);
  }
  void ShowTransmitTimeout(const std::string& command) override;

  // ScriptStarter
  void RunScriptByName(const std::string& label) override { m_scripts.RunScriptByName(label); }
  void TakeScriptReply(int index, const std::string& line) override { m_scripts.TakeScriptReply(index, line); }

private:
  struct PolledRef {
    ScreenObjectKind kind;
    int index;
  };

  // Start.
  void StartAndRun();
  void SetStartValues();
  void StartVariables();
  void StartGauges();
  void StartLampsAndCounters();
  void StartChartRecorders();

  // One pass; false when the program is to end.
  bool RunPass();
  void PollStep();
  void RecomputeStep();
  void ChartStep();
  void DataLogStep();
  void WebLogStep();
  void PivotTrackerStep();
  void ClockStep();
  void IdleUntilDue();

  // Halt.
  void ResetRunState(bool wasrunning);
  // Running, and no halt begun: what the plant shows is the run's.
  bool Recording() const { return m_run.IsRunning() && !m_halting; }

  // The lines of a command text, each sent with the waits modules need
  // between commands; false when a quit ended the pumping.
  bool SendCommandLines(const std::string& text, bool whilerunning);
  // Pumps, runs idle work and reads a byte; false when a quit was seen.
  bool PumpAndRead();
  void WaitForMessage(uint32_t ms);
  bool EnterDispatch();
  void LeaveDispatch(bool counted);
  void EndForQuit();

  int PolledCount();
  PolledRef PolledAt(int position);
  // Visits the record of a polled object.
  template <class Use>
  void WithPolled(PolledRef ref, Use&& use);
  bool OnCurrentPage(int page) const { return page == m_doc.m_curpage; }
  void Invalidate(ScreenObjectKind kind, int index, int page);
  void Reformat(std::string& valuetext, const ValueConversion& conversion);
  // The run clock's texts and those the clock names read, from one reading.
  void UpdateClockTexts(const LocalDateTime& now);

  CKorvixDoc& m_doc;
  Profile& m_profile;
  MessageSink& m_sink;
  RunLoopMessages m_runmessages;
  MillisecondClock& m_clock;
  WallClock& m_wall;
  MessagePump& m_pump;
  RuntimeWindow& m_window;
  WebLogThread& m_weblog;
  DdeAdvisor& m_dde;
  std::unique_ptr<LogFileAccess> m_ownlogfiles;
  ObjectRunStates m_ownrunstates;
  ObjectRunStates& m_runstates;
  // Written only by the start and the halt.
  RunLoopState m_run;
  // 0 for COM1, -1 for none. The project file does not hold it, so it lives
  // as long as the view and survives a new or opened project.
  int m_comport = -1;

  NumberTexts m_numbers;
  ComLink m_link;
  ComLinkServices m_linkservices;
  RunValues m_values;
  ValueRefresher m_refresher;
  RunClock m_runclock;
  DataLog m_datalog;
  // Shared with the web-log upload, which may outlive a run.
  WebLogProgress m_weblogprogress;
  DataLogSchedule m_schedule;
  ChartMemories m_charts;
  PopupBox m_popupbox;

  uint32_t m_telephoneringtime = kDefaultTelephoneRingtime;
  uint32_t m_webloginterval = kDefaultWebLogInterval;
  // Local to one run.
  int m_pollcursor = 0;
  uint32_t m_lastpoll = 0;
  int m_clocksecond = -1;
  std::vector<std::vector<uint32_t>> m_recomputestamps;
  std::vector<PivotTexts> m_drawnpivots;
  bool m_quit = false;
  bool m_ended = false;
  bool m_halting = false;
  // Passes on the stack (the run's own loop counts as one) and how many of
  // them wait in their dispatch; a nested pass may start only when all do.
  bool m_looping = false;
  int m_frames = 0;
  int m_dispatching = 0;
  uint64_t m_passes = 0;
  uint64_t m_polls = 0;
  // Made last, from everything above.
  ScriptServices& m_scripts;
};

}  // namespace korvix
