#include "automationedit/run_loop_settings.h"

#include <algorithm>

#include "properties/data_exchange.h"
#include "properties/entry_report.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"

namespace korvix {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr int kMaxPollingValue = 10000000;
constexpr int kMinReplyTimeout = 1;

constexpr std::string_view kEmptyLine = "\r\n\r\n";

PollingFields FieldsOf(const RunLoopSettings& settings) {
  return {std::to_string(settings.m_replytimeout), std::to_string(settings.m_pollretries),
          std::to_string(settings.m_polldelay)};
}

}  // namespace

RunLoopInitFields RunLoopInitFieldsOf(const CKorvixDoc& doc) {
  RunLoopInitFields fields;
  fields.m_initcommands = doc.m_runinitsend;
  fields.m_autostart = doc.m_autostartrunloop;
  fields.m_retransmit = doc.m_retransmitonreset;
  fields.m_startscript = doc.m_runinitscript;
  fields.m_exitcommands = doc.m_runexitsend;
  return fields;
}

std::string NormaliseCommandText(std::string text) {
  text.erase(std::remove(text.begin(), text.end(), ' '), text.end());
  if (text.empty()) return text;
  for (std::size_t at = text.find(kEmptyLine); at != std::string::npos; at = text.find(kEmptyLine, at)) {
    text.erase(at, kLineBreak.size());
  }
  if (text.front() == '\r') text.erase(0, 2);
  if (text.empty() || text.back() != '\n') text += kLineBreak;
  return text;
}

bool CheckRunLoopInitFields(MessageSink& sink, RunLoopInitFields& fields) {
  fields.m_startscript = TrimWhiteSpace(fields.m_startscript);
  fields.m_initcommands = NormaliseCommandText(std::move(fields.m_initcommands));
  fields.m_exitcommands = NormaliseCommandText(std::move(fields.m_exitcommands));
  return CheckBraceNames(sink, fields.m_startscript) != 0;
}

void StoreRunLoopInitFields(CKorvixDoc& doc, const RunLoopInitFields& fields) {
  doc.m_runinitsend = fields.m_initcommands;
  doc.m_autostartrunloop = fields.m_autostart;
  doc.m_retransmitonreset = fields.m_retransmit;
  doc.m_runinitscript = fields.m_startscript;
  doc.m_runexitsend = fields.m_exitcommands;
  doc.SetModifiedFlag();
}

void StoreReducedCpu(CKorvixDoc& doc, int reduced) {
  doc.m_reducedcpu = reduced;
  doc.SetModifiedFlag();
}

PollingFields PollingFieldsOf(const CKorvixDoc& doc) { return FieldsOf(doc); }

PollingFields DefaultPollingFields() { return FieldsOf(RunLoopSettings{}); }

std::optional<PollingField> CheckPollingFields(MessageSink& sink, const PollingFields& fields) {
  // The two times are unsigned: a sign is refused before the bounds.
  if (!ReportEntryProblem(sink, PositiveIntegerEntryProblem(fields.m_wait)) ||
      !ReportEntryProblem(sink, IntegerRangeProblem(fields.m_wait, kMinReplyTimeout, kMaxPollingValue))) {
    return PollingField::Wait;
  }
  if (!ReportEntryProblem(sink, IntegerRangeProblem(fields.m_retries, 0, kMaxPollingValue))) {
    return PollingField::Retries;
  }
  if (!ReportEntryProblem(sink, PositiveIntegerEntryProblem(fields.m_delay)) ||
      !ReportEntryProblem(sink, IntegerRangeProblem(fields.m_delay, 0, kMaxPollingValue))) {
    return PollingField::Delay;
  }
  return std::nullopt;
}

void StorePollingFields(CKorvixDoc& doc, const PollingFields& fields) {
  doc.m_replytimeout = ParseIntegerEntry(fields.m_wait).value_or(doc.m_replytimeout);
  doc.m_pollretries = ParseIntegerEntry(fields.m_retries).value_or(doc.m_pollretries);
  doc.m_polldelay = ParseIntegerEntry(fields.m_delay).value_or(doc.m_polldelay);
  doc.SetModifiedFlag();
}

}  // namespace korvix
