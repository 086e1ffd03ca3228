#include "recording/data_log_schedule.h"

#include <limits>
#include <string>

#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr int64_t kUnitMs[] = {1000, 60000, 3600000, 86400000};
constexpr int kSecondsUnit = 0;
constexpr int kMinutesUnit = 1;

constexpr int64_t kFirstAfterStartMs = 500;
constexpr int64_t kFirstAfterStartTenthsMs = 50;
constexpr int64_t kPastTheEdgeMs = 500;

}  // namespace

void DataLogSchedule::Start(uint32_t tick, const LocalDateTime& now) {
  NumberTexts texts;
  const int64_t value = texts.ParseNumberText(m_doc.m_loginterval);
  const int unit = m_doc.m_logintervalunit >= 0 && m_doc.m_logintervalunit <= 3 ? m_doc.m_logintervalunit : 0;
  int64_t interval = value > 0 ? value * kUnitMs[unit] : 0;
  for (int d = 0; d < texts.m_decimals && interval > 0; ++d) interval /= 10;
  m_interval = interval;
  m_now = 0;
  m_lasttick = tick;

  const bool tenths = m_doc.m_loginterval.find('.') != std::string::npos;
  const int64_t intominute = now.second * 1000 + now.millisecond;
  const int64_t inhour = now.minute * 60000 + intominute;
  int64_t first = 0;
  if (unit == kSecondsUnit) {
    first = tenths ? kFirstAfterStartTenthsMs : kFirstAfterStartMs;
  } else if (unit == kMinutesUnit) {
    first = 60000 - intominute + kPastTheEdgeMs;
  } else {
    first = 3600000 - inhour + kPastTheEdgeMs;
  }
  m_nextdue = first - m_interval;

  // The document's copies are 32-bit; they say whether and roughly when.
  m_doc.m_logintervalms = static_cast<uint32_t>(
      m_interval > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max() : m_interval);
  m_doc.m_lognextdue = tick + static_cast<uint32_t>(m_nextdue);
}

bool DataLogSchedule::TimedRecordDue(uint32_t tick) {
  m_now += ElapsedMs(tick, m_lasttick);
  m_lasttick = tick;
  if (m_interval == 0 || m_weblogreading.Get() != 0) return false;
  const int64_t behind = static_cast<int64_t>(m_now) - m_nextdue;
  if (behind < m_interval) return false;
  m_nextdue += behind / m_interval * m_interval;
  m_doc.m_lognextdue = m_lasttick - static_cast<uint32_t>(static_cast<int64_t>(m_now) - m_nextdue);
  return true;
}

}  // namespace korvix
