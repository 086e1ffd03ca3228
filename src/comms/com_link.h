#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "comms/collision_watch.h"
#include "comms/com_link_peers.h"
#include "comms/run_loop_state.h"
#include "comms/serial_port.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "platform/precise_wait.h"
#include "platform/profile.h"
#include "texts/number_texts.h"

namespace korvix {

class RealtimePriority;

// The one road to the modules: opens the port, sends one command at a time
// under the module protocol's gap, byte-timing and collision rules, reads
// CR-ended reply lines into m_rxbuffer and reports every port failure. The
// view owns one and runs it on the interface thread; the clock must be one
// that advances by itself, since the waits poll it against a live line.
class ComLink {
public:
  // `run` is the Run-Loop's: while it runs, failures are reported and
  // replies dispatched before each command.
  ComLink(ComLinkPeers peers, const RunLoopState& run, MessageSink& sink, MillisecondClock& clock, Profile& profile,
          NumberTexts& numbers, SerialPortFactory factory = MakePosixSerialPort);
  ~ComLink();
  ComLink(const ComLink&) = delete;
  ComLink& operator=(const ComLink&) = delete;

  // 1 when port n (0 = COM1) is open; the caller records the selection.
  int OpenComPort(int n);
  // After a communications error closed and forgot the port (a device
  // unplugged and plugged back), opens it again: the port, or -1 when there
  // is none to try or it will not open; the run's no-port message then
  // says which device failed and why.
  int ReopenLostComPort();
  void CloseComPort();
  bool IsOpen() const;

  // 1 when the command went out, 0 when it did not (the caller may retry).
  int TransmitCommand(std::string text);
  // As TransmitCommand, but after a collision the wait for the rest of the
  // talker's line and the cancelled module's answer runs on without the
  // caller, so that a poll does not hold the event loop that long: the line
  // is settling until that time is up, and every other send or wait of the
  // link first waits out what is left of it.
  int TransmitPollCommand(std::string text);
  // Starts a poll's wait for a line that begins as `expected` does, for at
  // most `ms`, and returns at once: like a collision's wait, it runs on
  // without the caller and every other send or wait first waits it out.
  void AwaitPollReply(uint32_t ms, const std::string& expected);
  // True while a collision's wait or a poll's reply wait runs on, or a
  // line is still coming in; ends a wait once its time is up.
  bool LineSettling();
  // A new run: no module is known to keep colliding.
  void ResetCollisionWatch() { m_collisions.Clear(); }
  void MirrorSentSliderValue(const std::string& sent);
  // Reads the rest of the line that begins with `line`; true when a line was
  // stored in m_rxbuffer. A line that takes longer than one turn to come in
  // is left open, so that the window has its turn, and the next poll of the
  // port reads on: its saturation time runs on meanwhile.
  bool ReadReplyLine(std::string line);
  // 1 when a line was read (or the open one ended).
  int PollComPort();
  void WaitForReply(uint32_t ms, const std::string& expected);
  // 0 when the quit message was seen.
  int PumpWhileHeld();
  void FlushComInput();
  // Sleeps until a byte may be read or `ms` have passed; without an open
  // port it just sleeps.
  void WaitReadable(uint32_t ms);
  // What an event loop watches to wake for the port; -1 without one.
  int PortDescriptor() const { return m_comhandle ? m_comhandle->Descriptor() : -1; }

  uint32_t IoTime() const { return m_iotime; }
  // While the Run-Loop runs or the console polls, whoever holds the line
  // reads the port too.
  bool ReadsWhileHeld() const { return m_run.IsRunning() || m_pollport != 0; }

  // Received lines, each with its CR, for the dispatcher to consume. Bounded:
  // when nobody consumes it, the oldest lines make way for new ones.
  std::string m_rxbuffer;
  int m_pollport = 0;
  uint32_t m_releasetime = 0;

  static constexpr size_t kMaxLineBytes = 4096;
  static constexpr size_t kMaxReceiveBytes = 65536;

private:
  enum class Failure {
    CommandWrite = 101,
    ReadBack = 102,
    CrWrite = 103,
    StarWrite = 104,
    LineSaturated = 201,
    LineRead = 202,
    PollRead = 301,
    FlushSaturated = 401,
    FlushRead = 402,
  };

  int Transmit(std::string text, bool leavesettling);
  void SettleLine();
  void EndSettling();
  void EndCollisionWaitIfDue();
  void AwaitLine(uint32_t ms, const std::string& expected);
  bool PortSelected();
  void SetIoTime(int offset_ms = 0);
  void WaitSinceIo(int ms);
  std::string RewriteNumber(std::string text);
  bool ReadOpenLine();
  void DropOpenLine();
  void StoreLine(const std::string& line);
  void RemoveCancelAnswers();
  bool LastLineStartsWith(char first) const;
  void ReportFailure(Failure failure, RealtimePriority& priority);
  void ReportNoPort();
  void ReportCollisions(char address, char talker);

  const RunLoopState& m_run;
  PortSelection& m_ports;
  RunLoopHalt& m_halt;
  ReplyTracking& m_replies;
  LabelValueAccess& m_labels;
  PopupDisplay& m_popups;
  ControlMirrors& m_mirrors;
  MessageQueue& m_queue;
  MessageSink& m_sink;
  MillisecondClock& m_clock;
  Profile& m_profile;
  NumberTexts& m_numbers;
  SerialPortFactory m_factory;
  std::unique_ptr<SerialPort> m_comhandle;
  // Time of the last serial write or read, in the clock's ticks and, for the
  // sub-millisecond waits, on the fine clock.
  uint32_t m_iotime = 0;
  FineClock::time_point m_iostamp{};
  // Lines read while a collision's wait runs on wait here until the
  // cancelled module's answer can be taken out of them.
  bool m_settling = false;
  uint32_t m_settlestart = 0;
  std::string m_settlelines;
  // A poll's reply wait that runs on: the first character it waits for.
  bool m_awaiting = false;
  char m_awaited = 0;
  uint32_t m_awaitstart = 0;
  uint32_t m_awaitms = 0;
  // A line still coming in: what came so far, when its first byte came and
  // when the link last read it.
  bool m_lineopen = false;
  std::string m_openline;
  uint32_t m_linestart = 0;
  uint32_t m_linelook = 0;
  CollisionWatch m_collisions;
  int m_lostport = -1;
  std::string m_reopenfailure;
};

}  // namespace korvix
