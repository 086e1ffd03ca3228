#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "document/korvix_doc.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

constexpr const char* kDataLoggingHelpTopic = "DataLogging.htm";
constexpr int kLogIntervalLimit = 5;
constexpr int kLogFileNameLimit = 70;
constexpr int kLogIntervalSeconds = 0;

// The text and choice fields of the Data Logging dialog; they reach the
// document only through a Close that passed the checks.
struct DataLoggingFields {
  std::string loginterval;
  int logintervalunit = 0;
  std::string datalogfile;
  std::string overflowfile;
  int logclearschedule = 0;
};

enum class DataLoggingField { Interval, FileName, OverflowFile };

DataLoggingFields LoadDataLoggingFields(const CKorvixDoc& doc);
void StoreDataLoggingFields(const DataLoggingFields& fields, CKorvixDoc& doc);

// Trimmed at both ends, trailing points dropped and a leading point given
// its "0", as the interval is stored.
std::string AdjustLogInterval(std::string_view text);
// Why an adjusted interval text cannot be stored in `unit`; no value when it
// can.
std::optional<std::string> LogIntervalProblem(std::string_view text, int unit);

// Close: on success the fields hold what is to be stored. The controls keep
// what the user typed.
OkCheck<DataLoggingField> CheckDataLoggingFields(DataLoggingFields& fields, MessageSink& sink);

}  // namespace korvix
