#include "values/run_state.h"

#include <cstdio>

namespace korvix {
namespace {

std::string TwoDigits(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", ((n % 100) + 100) % 100);
  return text;
}

template <class T>
T& Grown(std::vector<T>& list, int index) {
  if (list.size() <= static_cast<size_t>(index)) list.resize(static_cast<size_t>(index) + 1);
  return list[static_cast<size_t>(index)];
}

}  // namespace

void ClockTexts::Set(const LocalDateTime& now) {
  m_datetext = TwoDigits(now.month) + "/" + TwoDigits(now.day) + "/" + TwoDigits(now.year);
  m_timeseconds = TwoDigits(now.hour) + ":" + TwoDigits(now.minute) + ":" + TwoDigits(now.second);
  m_timetext = m_timeseconds + "." + TwoDigits(now.millisecond / 10);
  m_dowtext = std::to_string(now.dayofweek + 1);
}

PolledState& RunState::Polled(ScreenObjectKind kind, int index) {
  return Grown(m_polled[static_cast<size_t>(KindIndex(kind))], index);
}

CommandState& RunState::Command(CommandKind kind, int index, int slot) {
  return Grown(Grown(m_commands[static_cast<size_t>(kind)], index), slot);
}

int RunState::CommandSlots(CommandKind kind, int index) const {
  const auto& records = m_commands[static_cast<size_t>(kind)];
  return static_cast<size_t>(index) < records.size() ? static_cast<int>(records[static_cast<size_t>(index)].size()) : 0;
}

void RunState::ClearPolledAwaiting() {
  for (std::vector<PolledState>& kind : m_polled) {
    for (PolledState& polled : kind) {
      polled.awaiting = 0;
      polled.replystate = 0;
    }
  }
}

PivotTexts& RunState::Pivot(int index) { return Grown(m_pivots, index); }

PIControllerState& RunState::PIController(int index) { return Grown(m_picontrollers, index); }

}  // namespace korvix
