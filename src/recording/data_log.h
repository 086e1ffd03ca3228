#pragma once

#include <cstdint>
#include <string>

#include "document/korvix_doc.h"
#include "expressions/label_reader.h"
#include "platform/message_sink.h"
#include "platform/millisecond_clock.h"
#include "recording/log_file_access.h"
#include "recording/run_clock.h"

namespace korvix {

// The comma-separated data log: one CR LF line of current values per record,
// the header line first into an empty file. Other programs read the file, so
// it never holds half a line: a write that fails is cut back, and a full
// disk sends the text to the overflow file instead. A fault is told once,
// with the file and the reason, until a record is written again.
class DataLog {
public:
  DataLog(CKorvixDoc& doc, LabelReader& labels, RunClock& clock, MessageSink& sink, LogFileAccess& files,
          MillisecondClock& ticks)
      : m_doc(doc), m_labels(labels), m_clock(clock), m_sink(sink), m_files(files), m_ticks(ticks) {}

  // `path` has its label references expanded already.
  void WriteDataLogRecord(const std::string& path);
  void ClearDataLog(const std::string& path);

  // The header line and the record line, each ended by CR LF; the clock
  // texts are taken as they stand.
  std::string HeaderLine() const;
  std::string RecordLine();

private:
  // Retries for up to the open limit; -1 when it never opened.
  int OpenWithRetry(const std::string& path);
  // Writes `text` at the end and flushes it to the disk; when any part fails
  // the file is cut back to `end` (`cutfailed` when even that fails). 0 or
  // the errno of the failure.
  int AppendWhole(int handle, int64_t end, const std::string& text, bool& cutfailed);
  void WriteOverflow(const std::string& text);
  void Report(const std::string& text);

  CKorvixDoc& m_doc;
  LabelReader& m_labels;
  RunClock& m_clock;
  MessageSink& m_sink;
  LogFileAccess& m_files;
  MillisecondClock& m_ticks;
  // Records the overflow file could not take yet, oldest first.
  std::string m_pending;
  // What was last told, until a record is written again.
  std::string m_lastreport;
};

}  // namespace korvix
