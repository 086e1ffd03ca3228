#include "properties/data_logging_properties.h"

#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {

constexpr const char* kNegativeMessage = "This field can not contain a negative number.";
constexpr const char* kIllegalCharacterMessage = "This field contains an illegal character.";
constexpr const char* kPointNeedsSecondsMessage = "A decimal point can only be used with seconds.";
constexpr const char* kOneDecimalMessage = "This field does not support more than one decimal places.";
constexpr std::string_view kIntervalCharacters = ".0123456789";

}  // namespace

DataLoggingFields LoadDataLoggingFields(const CKorvixDoc& doc) {
  return {doc.m_loginterval, doc.m_logintervalunit, doc.m_datalogfile, doc.m_overflowfile, doc.m_logclearschedule};
}

void StoreDataLoggingFields(const DataLoggingFields& fields, CKorvixDoc& doc) {
  doc.m_loginterval = fields.loginterval;
  doc.m_logintervalunit = fields.logintervalunit;
  doc.m_datalogfile = fields.datalogfile;
  doc.m_overflowfile = fields.overflowfile;
  doc.m_logclearschedule = fields.logclearschedule;
}

std::string AdjustLogInterval(std::string_view text) {
  std::string adjusted = TrimEntry(text);
  while (!adjusted.empty() && adjusted.back() == '.') adjusted.pop_back();
  if (!adjusted.empty() && adjusted.front() == '.') adjusted.insert(0, "0");
  return adjusted;
}

std::optional<std::string> LogIntervalProblem(std::string_view text, int unit) {
  if (!text.empty() && text.front() == '-') return kNegativeMessage;
  if (text.find_first_not_of(kIntervalCharacters) != std::string_view::npos) return kIllegalCharacterMessage;
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return std::nullopt;
  if (unit != kLogIntervalSeconds) return kPointNeedsSecondsMessage;
  if (text.size() - point - 1 != 1) return kOneDecimalMessage;
  return std::nullopt;
}

OkCheck<DataLoggingField> CheckDataLoggingFields(DataLoggingFields& fields, MessageSink& sink) {
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.loginterval, kLogIntervalLimit)))
    return {DataLoggingField::Interval};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.datalogfile, kLogFileNameLimit)))
    return {DataLoggingField::FileName};
  if (!ReportEntryProblem(sink, TextLengthProblem(fields.overflowfile, kLogFileNameLimit)))
    return {DataLoggingField::OverflowFile};
  DataLoggingFields adjusted = fields;
  adjusted.datalogfile = TrimEntry(fields.datalogfile);
  adjusted.overflowfile = TrimEntry(fields.overflowfile);
  adjusted.loginterval = AdjustLogInterval(fields.loginterval);
  if (!CheckBraceNames(sink, adjusted.datalogfile)) return {DataLoggingField::FileName};
  if (!CheckBraceNames(sink, adjusted.overflowfile)) return {DataLoggingField::OverflowFile};
  if (!ReportEntryProblem(sink, LogIntervalProblem(adjusted.loginterval, adjusted.logintervalunit)))
    return {DataLoggingField::Interval};
  fields = adjusted;
  return {};
}

}  // namespace korvix
