#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "document/kind_traits.h"
#include "platform/configuration_keys.h"
#include "platform/wall_clock.h"

namespace korvix {

// Who sends commands: the kinds that the kind table says send their own,
// under their kind's number, and Scripts after all kinds. Slots: a Push
// Button's press (0) and release (1), a Rocker Switch's first (0) and second
// (1) position, a Button Array's sub buttons, a PI-Controller's positive (0)
// and negative (1) correction; one slot for the others.
enum class CommandKind {
  InputWindow = KindIndex(ScreenObjectKind::InputWindow),
  PushButton = KindIndex(ScreenObjectKind::PushButton),
  ButtonArray = KindIndex(ScreenObjectKind::ButtonArray),
  RockerSwitch = KindIndex(ScreenObjectKind::RockerSwitch),
  SliderControl = KindIndex(ScreenObjectKind::SliderControl),
  PIController = KindIndex(ScreenObjectKind::PIController),
  Script = kObjectKindCount,
};
constexpr int kCommandKinds = kObjectKindCount + 1;

constexpr CommandKind CommandKindOf(ScreenObjectKind kind) { return static_cast<CommandKind>(KindIndex(kind)); }

static_assert(
    [] {
      int senders = 0;
      ForEachKind([&](auto tag) { senders += KindTraits<decltype(tag)::value>::kSendsCommands ? 1 : 0; });
      return senders == 6 && SendsCommands(ScreenObjectKind::InputWindow) &&
             SendsCommands(ScreenObjectKind::PushButton) && SendsCommands(ScreenObjectKind::ButtonArray) &&
             SendsCommands(ScreenObjectKind::RockerSwitch) && SendsCommands(ScreenObjectKind::SliderControl) &&
             SendsCommands(ScreenObjectKind::PIController);
    }(),
    "CommandKind names exactly the kinds that send commands");

// A polled object's reply bookkeeping.
struct PolledState {
  int awaiting = 0;
  uint32_t senttime = 0;
  int retries = 0;
  int replystate = 0;  // cleared with `awaiting` when a reply is taken
};

// The response label that keeps a transmit waiting but takes nothing.
constexpr const char* kDiscardLabel = "Discard";

// One command of a control or Script. `command` is kept unexpanded: label
// references are read again at every send.
struct CommandState {
  int pending = 0;  // queued by operator input, sent by ServicePendingSends
  int awaiting = 0;
  int noreply = 0;
  int replystate = 0;
  std::string command;
  std::string expected;  // the response label
  uint32_t senttime = 0;
  uint32_t lastrepeat = 0;
};

// What a Pivot Tracker shows, by its label and the ".run", ".water" and
// ".sis" labels after it.
struct PivotTexts {
  std::string position;
  std::string run;
  std::string water;
  std::string sis;
};

// A PI-Controller's regulation; the record holds its gains but neither its
// set point nor its output.
struct PIControllerState {
  int running = 0;
  std::string idlabel;  // whose set point this is, across runs
  std::string setpoint = "0";
  std::string output = "0.0";       // per cent of the correction range, minus for the negative one
  int fresh = 0;                    // a reading came since the last computation
  double integral = 0;              // of the error over seconds
  uint32_t laststep = 0;            // the last computation, or the start
  std::array<std::string, 2> sent;  // the last value sent per correction
};

// The clock texts that the reserved names read.
struct ClockTexts {
  std::string m_datetext = "00/00/00";     // month/day/year, two digits each
  std::string m_timetext = "00:00:00.00";  // with hundredths
  std::string m_timeseconds = "00:00:00";
  std::string m_dowtext = "1";  // 1 = Sunday

  void Set(const LocalDateTime& now);
};

// The run-time members of the view that label values and replies use.
class RunState {
public:
  PolledState& Polled(ScreenObjectKind kind, int index);
  // The polled states of a kind that exist so far, by record index.
  std::vector<PolledState>& PolledList(ScreenObjectKind kind) { return m_polled[static_cast<size_t>(KindIndex(kind))]; }
  CommandState& Command(CommandKind kind, int index, int slot = 0);
  PivotTexts& Pivot(int index);
  PIControllerState& PIController(int index);
  int PIControllerCount() const { return static_cast<int>(m_picontrollers.size()); }
  // Clears `awaiting` and `replystate` of every polled object.
  void ClearPolledAwaiting();
  // Slots of a record that exist so far (the others were never touched).
  int CommandSlots(CommandKind kind, int index) const;
  // Records of a kind that have command slots so far.
  int CommandRecords(CommandKind kind) const { return static_cast<int>(m_commands[static_cast<size_t>(kind)].size()); }

  std::string m_recdata;  // the last received line without its CR
  std::string m_rawdata;  // the same without the address letter
  ClockTexts m_clock;
  uint32_t m_transmittimeout = kDefaultTransmitTimeout;
  uint32_t m_transmitrepeat = kDefaultTransmitRepeat;
  uint32_t m_lastretransmit = 0;

private:
  std::array<std::vector<PolledState>, kObjectKindCount> m_polled;  // empty for the kinds not polled
  std::array<std::vector<std::vector<CommandState>>, kCommandKinds> m_commands;
  std::vector<PivotTexts> m_pivots;
  std::vector<PIControllerState> m_picontrollers;
};

}  // namespace korvix
