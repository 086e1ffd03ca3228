#pragma once

#include <cstdint>
#include <string>

#include "executors/outside_actions.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"

namespace korvix {

// Numbers wait their turn: one call at a time, each left ringing for the
// ring time, at least five seconds between calls.
class DialQueue {
public:
  DialQueue(TelephoneLine& line, MessageSink& sink, MillisecondClock& clock)
      : m_line(line), m_sink(sink), m_clock(clock) {}

  void Add(const std::string& number);
  // Once per pass.
  void Service(uint32_t ringtime);
  // The Run-Loop halts: a call that is up ends and the queue empties.
  void HangUp();
  bool CallUp() const { return m_callup; }
  const std::string& Queued() const { return m_queue; }

private:
  TelephoneLine& m_line;
  MessageSink& m_sink;
  MillisecondClock& m_clock;
  std::string m_queue;  // numbers, each followed by the separator
  bool m_callup = false;
  uint32_t m_callstart = 0;
  uint32_t m_lastcall = 0;
  bool m_called = false;
};

constexpr char kDialSeparator = static_cast<char>(0xA1);
constexpr uint32_t kDialSpacingMs = 4999;

}  // namespace korvix
