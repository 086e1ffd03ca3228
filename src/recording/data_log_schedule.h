#pragma once

#include <cstdint>

#include "document/korvix_doc.h"
#include "platform/millisecond_clock.h"
#include "platform/shared_value.h"
#include "platform/wall_clock.h"

namespace korvix {

// When the Run-Loop writes its timed data-log records. The interval is kept
// in 64 bits on a 64-bit extension of the millisecond counter, so intervals
// of 50 days and more, beyond the counter's 49.7-day wrap, still come due
// on time. Missed intervals are skipped, never caught up.
class DataLogSchedule {
public:
  // Nothing comes due while `weblogreading`, the web-log upload's flag, says
  // that it reads the data log.
  DataLogSchedule(CKorvixDoc& doc, const SharedValue<int>& weblogreading)
      : m_doc(doc), m_weblogreading(weblogreading) {}

  // At the start of a run: the interval from the "Log data every" text and
  // its unit, and the first record half a second past the start (50 ms with
  // tenths of seconds), the next full minute, or the next full hour.
  void Start(uint32_t tick, const LocalDateTime& now);

  // One round at `tick`: true when a timed record is due now. While the
  // web-log upload reads the log nothing comes due; the record follows as
  // soon as it is done.
  bool TimedRecordDue(uint32_t tick);

  int64_t IntervalMs() const { return m_interval; }

private:
  CKorvixDoc& m_doc;
  const SharedValue<int>& m_weblogreading;
  int64_t m_interval = 0;
  uint64_t m_now = 0;  // the counter, extended to 64 bits
  uint32_t m_lasttick = 0;
  int64_t m_nextdue = 0;  // records are counted from here
};

}  // namespace korvix
