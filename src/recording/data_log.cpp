#include "recording/data_log.h"

#include <cstring>
#include <vector>

#include "expressions/label_refs.h"
#include "recording/log_sources.h"

namespace korvix {

namespace {

constexpr const char* kFileAccessErrorCaption = "File Access Error";
constexpr const char* kCannotOpenPrefix = "The data log file ";
constexpr const char* kCannotOpenSuffix = " could not be opened.";
constexpr const char* kOverflowOpenFailedMessage = "The data log overflow file could not be opened.";
constexpr const char* kOverflowWriteFailedMessage = "Error while writing to data log overflow file.";
constexpr const char* kWriteFailedMessage = "Error while writing to data log file.";
constexpr const char* kCannotOpenForClearingPrefix = "The file ";
constexpr const char* kCannotOpenForClearingSuffix = " could not be opened for clearing.";
constexpr const char* kClearFailedPrefix = "Error while clearing the data log file ";

constexpr const char* kLineEnd = "\r\n";

constexpr uint32_t kOpenRetryMs = 1000;
// Short enough to catch a release at once, long enough not to spin a core
// against a web-log upload that holds the file.
constexpr uint32_t kOpenRetryPauseMs = 5;

constexpr int kLogEventSchedule = 3;

// Records that neither file could take wait for the overflow file up to
// this much; a disk that stays full for longer loses the newest ones.
constexpr std::size_t kMaxPendingBytes = 1 << 20;

std::string Reason(const std::string& text, const std::string& path, int error) {
  return text + ("\r" + path + ": ") + std::strerror(error);
}

// The texts of column c are those of all its sources in visiting order,
// joined with nothing between them.
class Columns {
public:
  explicit Columns(int count) : m_texts(count > 0 ? static_cast<std::size_t>(count) : 0) {}
  void Add(int column, const std::string& text) {
    if (column >= 0 && static_cast<std::size_t>(column) < m_texts.size()) m_texts[column] += text;
  }
  bool Holds(int column) const { return column >= 0 && static_cast<std::size_t>(column) < m_texts.size(); }
  std::string Line() const {
    std::string line;
    for (std::size_t c = 0; c < m_texts.size(); ++c) {
      if (c > 0) line += ',';
      line += m_texts[c];
    }
    return line + kLineEnd;
  }

private:
  std::vector<std::string> m_texts;
};

}  // namespace

std::string DataLog::HeaderLine() const {
  Columns columns(m_doc.m_logfieldcount);
  ForEachLogSource(m_doc, [&columns](int column, const std::string& title) { columns.Add(column, title); });
  return columns.Line();
}

std::string DataLog::RecordLine() {
  Columns columns(m_doc.m_logfieldcount);
  const bool tenths = m_doc.m_loginterval.find('.') != std::string::npos;
  columns.Add(m_doc.m_logcoldate, m_clock.m_datetext);
  columns.Add(m_doc.m_logcoltime,
              tenths ? m_clock.m_timetext.substr(0, m_clock.m_timetext.size() - 1) : m_clock.m_secondtext);
  ForEachLabelledLogColumn(m_doc, [this, &columns](int column, const std::string& label) {
    // Only logged labels are read: a read may have effects of its own.
    if (!columns.Holds(column)) return;
    std::string value;
    m_labels.GetLabelValue(value, label, false);
    columns.Add(column, value);
  });
  return columns.Line();
}

int DataLog::OpenWithRetry(const std::string& path) {
  const uint32_t first = m_ticks.Now();
  for (;;) {
    int handle = -1;
    if (m_files.OpenExclusive(path, handle) == 0) return handle;
    if (ElapsedMs(m_ticks.Now(), first) > kOpenRetryMs) return -1;
    m_ticks.SleepMs(kOpenRetryPauseMs);
  }
}

int DataLog::AppendWhole(int handle, int64_t end, const std::string& text, bool& cutfailed) {
  std::size_t written = 0;
  int error = m_files.Write(handle, text.data(), text.size(), written);
  if (error == 0) error = m_files.Sync(handle);
  cutfailed = error != 0 && m_files.Truncate(handle, end) != 0;
  return error;
}

void DataLog::WriteDataLogRecord(const std::string& path) {
  m_clock.UpdateTimestamp();
  const int handle = OpenWithRetry(path);
  if (handle < 0) {
    Report(kCannotOpenPrefix + path + kCannotOpenSuffix);
    return;
  }
  std::string output;
  bool cutfailed = false;
  int error = 0;
  if (m_doc.m_logclearschedule == kLogEventSchedule) error = m_files.Truncate(handle, 0);
  int64_t end = 0;
  if (error == 0) error = m_files.SeekEnd(handle, end);
  if (error == 0) {
    if (end == 0) output = HeaderLine();
    output += RecordLine();
    error = AppendWhole(handle, end, output, cutfailed);
  }
  const int closeerror = m_files.Close(handle);
  if (error == 0) error = closeerror;
  if (error == 0) {
    // The trouble is over: the next one is told again, and what waited for
    // the overflow file goes there now.
    m_lastreport.clear();
    if (!m_pending.empty()) WriteOverflow({});
    return;
  }
  if (IsDiskFull(error) && !output.empty()) {
    // The text is kept in the overflow file, yet the log itself now ends in
    // a broken line, which its readers must hear of.
    if (cutfailed) Report(Reason(kWriteFailedMessage, path, error));
    WriteOverflow(output);
  } else {
    Report(Reason(kWriteFailedMessage, path, error));
  }
}

void DataLog::WriteOverflow(const std::string& text) {
  if (m_pending.size() + text.size() <= kMaxPendingBytes) m_pending += text;
  const std::string path = ExpandLabelRefs(m_doc.m_overflowfile, m_labels);
  int handle = -1;
  const int openerror = m_files.OpenExclusive(path, handle);
  if (openerror != 0) {
    Report(Reason(kOverflowOpenFailedMessage, path, openerror));
    return;
  }
  int64_t end = 0;
  int error = m_files.SeekEnd(handle, end);
  bool cutfailed = false;
  if (error == 0) error = AppendWhole(handle, end, m_pending, cutfailed);
  const int closeerror = m_files.Close(handle);
  if (error == 0) error = closeerror;
  if (error != 0) {
    Report(Reason(kOverflowWriteFailedMessage, path, error));
    return;
  }
  m_pending.clear();
}

void DataLog::ClearDataLog(const std::string& path) {
  const int handle = OpenWithRetry(path);
  if (handle < 0) {
    Report(kCannotOpenForClearingPrefix + path + kCannotOpenForClearingSuffix);
    return;
  }
  int error = m_files.Truncate(handle, 0);
  if (error == 0) error = m_files.Sync(handle);
  const int closeerror = m_files.Close(handle);
  if (error != 0 || closeerror != 0) Report(kClearFailedPrefix + path);
}

void DataLog::Report(const std::string& text) {
  // A record a second would otherwise raise a box a second for one fault.
  if (text == m_lastreport) return;
  m_lastreport = text;
  m_sink.Show(kFileAccessErrorCaption, text, MessageIcon::Exclamation);
}

}  // namespace korvix
