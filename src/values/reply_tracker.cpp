#include "values/reply_tracker.h"

namespace korvix {
namespace {

// Unacknowledged commands without an expected reply count as answered after
// this long; retransmits of all controls together stay this far apart.
constexpr uint32_t kNoReplyGraceMs = 19;
constexpr uint32_t kRetransmitSpacingMs = 199;

}  // namespace

ReplyTracker::ReplyTracker(CKorvixDoc& doc, RunState& state, LabelValues& values, LinkServices& link,
                           ObjectActions& actions, MillisecondClock& clock)
    : m_doc(doc), m_state(state), m_values(values), m_link(link), m_actions(actions), m_clock(clock) {}

bool ReplyTracker::StartsWith(const std::string& command, char address) {
  if (command.find_first_of("{[") == std::string::npos) {
    return !command.empty() && command.front() == address;
  }
  const std::string expanded = m_values.ExpandLabelRefs(command);
  return !expanded.empty() && expanded.front() == address;
}

template <ScreenObjectKind K>
bool ReplyTracker::AnyPolledAwaiting(char address) {
  const auto& list = ListOf<K>(m_doc);
  for (int i = 0; i < list.Count(); ++i) {
    if (m_state.Polled(K, i).awaiting && StartsWith(list[i].pollcommand, address)) return true;
  }
  return false;
}

bool ReplyTracker::IsReplyPending(char address) {
  bool pending = false;
  ForEachKind([&](auto tag) {
    if constexpr (KindTraits<decltype(tag)::value>::kPolled) {
      pending = pending || AnyPolledAwaiting<decltype(tag)::value>(address);
    }
  });
  if (pending) return true;
  for (int k = 0; k < kCommandKinds; ++k) {
    const CommandKind kind = static_cast<CommandKind>(k);
    for (int i = 0; i < m_state.CommandRecords(kind); ++i) {
      for (int slot = 0; slot < m_state.CommandSlots(kind, i); ++slot) {
        const CommandState& command = m_state.Command(kind, i, slot);
        if (command.awaiting && StartsWith(command.command, address)) return true;
      }
    }
  }
  return false;
}

void ReplyTracker::ClearPendingReplies() {
  // Called at the Run-Loop's start and halt: labels may have been edited
  // since the last run.
  m_values.DropLabelIndex();
  m_state.ClearPolledAwaiting();
  for (int k = 0; k < kCommandKinds; ++k) {
    const CommandKind kind = static_cast<CommandKind>(k);
    for (int i = 0; i < m_state.CommandRecords(kind); ++i) {
      bool cleared = false;
      for (int slot = 0; slot < m_state.CommandSlots(kind, i); ++slot) {
        CommandState& command = m_state.Command(kind, i, slot);
        cleared = cleared || command.awaiting;
        command.awaiting = 0;
        command.replystate = 0;
      }
      if (cleared && kind == CommandKind::PushButton && i < m_doc.m_pushbuttons.Count() &&
          m_doc.m_pushbuttons[i].page == m_doc.m_curpage) {
        m_actions.InvalidateObject(ScreenObjectKind::PushButton, i);
      }
    }
  }
}

template <ScreenObjectKind K>
void ReplyTracker::TimeOutPolled() {
  const auto& list = ListOf<K>(m_doc);
  const uint32_t now = m_clock.Now();
  for (int i = 0; i < list.Count(); ++i) {
    PolledState& polled = m_state.Polled(K, i);
    if (!polled.awaiting || ElapsedMs(now, polled.senttime) < static_cast<uint32_t>(m_doc.m_replytimeout)) {
      continue;
    }
    polled.awaiting = 0;
    if (++polled.retries > m_doc.m_pollretries) {
      polled.retries = 0;
      m_values.DeliverLabelValue(list[i].idlabel, kErrorText);
    }
  }
}

void ReplyTracker::TimeOutCommand(CommandKind kind, int index, int slot) {
  const uint32_t now = m_clock.Now();
  CommandState& command = m_state.Command(kind, index, slot);
  if (!command.awaiting) return;
  if (command.noreply) {
    // Nobody waits for this answer, but its module's address stays closed
    // until it comes: a module that never answers must not close it for good.
    if (ElapsedMs(now, command.senttime) >= m_state.m_transmittimeout) command.awaiting = 0;
    return;
  }
  if (command.expected.empty()) {
    if (ElapsedMs(now, command.senttime) > kNoReplyGraceMs) command.awaiting = 0;
    return;
  }
  if (ElapsedMs(now, command.lastrepeat) >= m_state.m_transmitrepeat &&
      ElapsedMs(now, m_state.m_lastretransmit) > kRetransmitSpacingMs) {
    const std::string text = m_values.ExpandLabelRefs(command.command);
    m_link.TransmitCommand(text);
    CommandState& again = m_state.Command(kind, index, slot);
    again.awaiting = 1;
    again.lastrepeat = now;
    m_state.m_lastretransmit = now;
  }
  CommandState& current = m_state.Command(kind, index, slot);
  if (ElapsedMs(now, current.senttime) < m_state.m_transmittimeout) return;
  current.awaiting = 0;
  const std::string sent = current.command;
  std::string label;
  if (kind == CommandKind::InputWindow && index < m_doc.m_inputwindows.Count()) {
    label = m_doc.m_inputwindows[index].idlabel;
  } else if (kind == CommandKind::ButtonArray && index < m_doc.m_buttonarrays.Count()) {
    label = m_doc.m_buttonarrays[index].idlabel;
  } else if (kind == CommandKind::RockerSwitch && index < m_doc.m_rockerswitches.Count()) {
    label = m_doc.m_rockerswitches[index].responseto;
  } else if (kind == CommandKind::SliderControl && index < m_doc.m_slidercontrols.Count()) {
    label = m_doc.m_slidercontrols[index].responseto;
  }
  m_values.DeliverLabelValue(label, kErrorText);
  m_actions.ShowTransmitTimeout(sent);
}

void ReplyTracker::TimeOutCommands(CommandKind kind) {
  for (int i = 0; i < m_state.CommandRecords(kind); ++i) {
    for (int slot = 0; slot < m_state.CommandSlots(kind, i); ++slot) TimeOutCommand(kind, i, slot);
  }
}

void ReplyTracker::ServiceReplyTimeouts() {
  // The controls' commands time out after the other polled kinds and
  // before the PI-Controllers, which poll and command both.
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    if constexpr (KindTraits<K>::kPolled && K != ScreenObjectKind::PIController) TimeOutPolled<K>();
  });
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    if constexpr (KindTraits<K>::kSendsCommands && K != ScreenObjectKind::PIController)
      TimeOutCommands(CommandKindOf(K));
  });
  TimeOutPolled<ScreenObjectKind::PIController>();
  TimeOutCommands(CommandKind::PIController);
  TimeOutCommands(CommandKind::Script);
}

void ReplyTracker::SendPending(CommandKind kind, int index, int slot, int awaitvalue) {
  if (!m_state.Command(kind, index, slot).pending) return;
  const std::string text = m_values.ExpandLabelRefs(m_state.Command(kind, index, slot).command);
  if (m_link.TransmitCommand(text) != 1) return;
  const uint32_t now = m_clock.Now();
  CommandState& command = m_state.Command(kind, index, slot);
  command.pending = 0;
  command.awaiting = awaitvalue;
  command.senttime = now;
  command.lastrepeat = now;
}

void ReplyTracker::ServicePendingSends() {
  for (int i = 0; i < m_state.CommandRecords(CommandKind::InputWindow); ++i) {
    SendPending(CommandKind::InputWindow, i, 0, 1);
  }
  for (int i = 0; i < m_state.CommandRecords(CommandKind::PushButton); ++i) {
    SendPending(CommandKind::PushButton, i, 0, 1);
    if (m_state.CommandSlots(CommandKind::PushButton, i) > 1 &&
        !m_state.Command(CommandKind::PushButton, i, 0).pending) {
      SendPending(CommandKind::PushButton, i, 1, 1);
    }
  }
  for (int i = 0; i < m_state.CommandRecords(CommandKind::RockerSwitch); ++i) {
    const int awaitvalue = i < m_doc.m_rockerswitches.Count() ? m_doc.m_rockerswitches[i].responseexpected : 0;
    for (int slot = 0; slot < m_state.CommandSlots(CommandKind::RockerSwitch, i); ++slot) {
      SendPending(CommandKind::RockerSwitch, i, slot, awaitvalue);
    }
  }
  for (int i = 0; i < m_state.CommandRecords(CommandKind::SliderControl); ++i) {
    const int awaitvalue = i < m_doc.m_slidercontrols.Count() ? m_doc.m_slidercontrols[i].responseexpected : 0;
    SendPending(CommandKind::SliderControl, i, 0, awaitvalue);
  }
  // A PI-Controller's module answers its output too; until then the address
  // stays closed, so that the answer is not taken for a poll's.
  for (int i = 0; i < m_state.CommandRecords(CommandKind::PIController); ++i) {
    for (int slot = 0; slot < m_state.CommandSlots(CommandKind::PIController, i); ++slot) {
      SendPending(CommandKind::PIController, i, slot, 1);
    }
  }
}

}  // namespace korvix
