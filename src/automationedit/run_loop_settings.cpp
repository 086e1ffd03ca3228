#include "automationedit/run_loop_settings.h"

#include <algorithm>

#include "properties/entry_validation.h"

namespace korvix {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kEmptyLine = "\r\n\r\n";

bool IsAsciiSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string TrimAscii(const std::string& text) {
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && IsAsciiSpace(text[first])) ++first;
  while (last > first && IsAsciiSpace(text[last - 1])) --last;
  return text.substr(first, last - first);
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
  fields.m_startscript = TrimAscii(fields.m_startscript);
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

}  // namespace korvix
