#include "executors/dial_queue.h"

namespace korvix {
namespace {

constexpr const char* kTelephoneCaption = "Operational Error";

}  // namespace

void DialQueue::Add(const std::string& number) {
  m_queue += number;
  m_queue += kDialSeparator;
}

void DialQueue::Service(uint32_t ringtime) {
  const uint32_t now = m_clock.Now();
  if (m_callup) {
    if (ElapsedMs(now, m_callstart) < ringtime) return;
    m_line.HangUp();
    m_callup = false;
    m_lastcall = now;
    return;
  }
  if (m_queue.empty() || (m_called && ElapsedMs(now, m_lastcall) <= kDialSpacingMs)) return;
  const size_t end = m_queue.find(kDialSeparator);
  const std::string number = m_queue.substr(0, end);
  m_queue.erase(0, end == std::string::npos ? m_queue.size() : end + 1);
  m_called = true;
  m_lastcall = now;
  const std::string failure = m_line.Dial(number);
  if (!failure.empty()) {
    m_sink.Show(kTelephoneCaption, failure, MessageIcon::Exclamation);
    return;
  }
  m_callup = true;
  m_callstart = now;
}

void DialQueue::HangUp() {
  if (m_callup) m_line.HangUp();
  m_callup = false;
  m_queue.clear();
}

}  // namespace korvix
