#include "dispatch/receive_dispatcher.h"

#include <algorithm>

#include "dispatch/data_parsers.h"
#include "texts/label_texts.h"

namespace korvix {
namespace {

// Third characters of a Data Window's reply that answer without a value.
constexpr const char* kNoValueReplies = "GHIJL";
constexpr const char* kPositionReport = "$GPTLL";
constexpr uint32_t kResetSettleMs = 200;

}  // namespace

ReceiveDispatcher::ReceiveDispatcher(CKorvixDoc& doc, RunState& state, LabelValues& values, ReplyTracker& replies,
                                     LinkServices& link, RunLoopControl& runloop, ObjectActions& actions,
                                     ScriptStarter& scripts, MillisecondClock& clock)
    : m_doc(doc),
      m_state(state),
      m_values(values),
      m_replies(replies),
      m_link(link),
      m_runloop(runloop),
      m_actions(actions),
      m_scripts(scripts),
      m_clock(clock) {}

void ReceiveDispatcher::DispatchReceivedLines() {
  // Read afresh each round: a delivery may transmit, and a transmit while
  // running dispatches what arrived meanwhile from this same buffer.
  while (!m_link.ReceiveBuffer().empty()) {
    std::string& buffer = m_link.ReceiveBuffer();
    if (RunDataParser(m_doc, buffer) != 0) continue;
    const size_t cr = buffer.find('\r');
    const size_t length = cr == std::string::npos ? buffer.size() : cr + 1;
    std::string line = buffer.substr(0, length);
    buffer.erase(0, length);
    line.erase(std::remove(line.begin(), line.end(), '\r'), line.end());
    if (line.size() < 2) continue;
    m_state.m_recdata = line;
    m_state.m_rawdata = line.substr(1);
    if (ModuleReset(line)) return;
    if (line.compare(0, 6, kPositionReport) == 0) ParseTransponderReport(line);
    OfferLine(line);
  }
}

bool ReceiveDispatcher::ModuleReset(const std::string& line) {
  if (line[1] != '!') return false;
  m_replies.ClearPendingReplies();
  if (!m_doc.m_retransmitonreset) return false;
  m_clock.SleepMs(kResetSettleMs);
  m_link.FlushComInput();
  m_runloop.SendInitCommands();
  return true;
}

bool ReceiveDispatcher::Matches(const std::string& command, char address) {
  if (command.find_first_of("{[") == std::string::npos) {
    return !command.empty() && command.front() == address;
  }
  const std::string expanded = m_values.ExpandLabelRefs(command);
  return !expanded.empty() && expanded.front() == address;
}

template <ScreenObjectKind K>
void ReceiveDispatcher::OfferPolled(const std::string& line) {
  const auto& list = ListOf<K>(m_doc);
  const int count = std::min(list.Count(), static_cast<int>(m_state.PolledList(K).size()));
  for (int i = 0; i < count; ++i) {
    if (!m_state.PolledList(K)[static_cast<size_t>(i)].awaiting || !Matches(list[i].pollcommand, line[0])) {
      continue;
    }
    PolledState& polled = m_state.Polled(K, i);
    polled.awaiting = 0;
    polled.replystate = 0;
    // The retry limit counts misses in a row; a module that answered, even
    // without a value, has not missed since.
    polled.retries = 0;
    if (K == ScreenObjectKind::DataWindow && line.size() > 2 &&
        std::string_view(kNoValueReplies).find(line[2]) != std::string_view::npos) {
      continue;
    }
    m_values.DeliverLabelValue(list[i].idlabel, line);
  }
}

void ReceiveDispatcher::OfferCommands(CommandKind kind, const std::string& line) {
  for (int i = 0; i < m_state.CommandRecords(kind); ++i) {
    for (int slot = 0; slot < m_state.CommandSlots(kind, i); ++slot) {
      CommandState& command = m_state.Command(kind, i, slot);
      if (!command.awaiting || command.replystate != 0 || !Matches(command.command, line[0])) {
        continue;
      }
      command.awaiting = 0;
      // A copy: the delivery below may add command slots and move this one.
      const std::string target = command.expected;
      if (kind == CommandKind::PushButton && i < m_doc.m_pushbuttons.Count() &&
          m_doc.m_pushbuttons[i].page == m_doc.m_curpage) {
        m_actions.InvalidateObject(ScreenObjectKind::PushButton, i);
      }
      if (kind == CommandKind::Script) {
        m_scripts.TakeScriptReply(i, line);
      } else if (!LabelsEqual(target, kDiscardLabel)) {
        m_values.DeliverLabelValue(target, line);
      }
    }
  }
}

// Kind by kind, a PI-Controller's poll before its commands; Scripts last.
void ReceiveDispatcher::OfferLine(const std::string& line) {
  ForEachKind([&](auto tag) {
    constexpr ScreenObjectKind K = decltype(tag)::value;
    if constexpr (KindTraits<K>::kPolled) OfferPolled<K>(line);
    if constexpr (KindTraits<K>::kSendsCommands) OfferCommands(CommandKindOf(K), line);
  });
  OfferCommands(CommandKind::Script, line);
}

}  // namespace korvix
