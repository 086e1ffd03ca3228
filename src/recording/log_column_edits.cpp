#include "recording/log_column_edits.h"

#include "recording/log_sources.h"

namespace korvix {

std::vector<std::string> LogColumnTitles(const CKorvixDoc& doc) {
  std::vector<std::string> titles(doc.m_logfieldcount > 0 ? static_cast<std::size_t>(doc.m_logfieldcount) : 0);
  ForEachLogSource(doc, [&titles](int column, const std::string& title) {
    if (column >= 0 && static_cast<std::size_t>(column) < titles.size()) titles[column] += title;
  });
  return titles;
}

std::vector<std::string> AvailableLogFields(const CKorvixDoc& doc) {
  std::vector<std::string> fields;
  ForEachLogSource(doc, [&fields](int column, const std::string& title) {
    if (column == kNoLogColumn) fields.push_back(title);
  });
  return fields;
}

bool LogColumnsFull(const CKorvixDoc& doc) { return doc.m_logfieldcount >= kLogColumnCount; }

bool AddLogColumn(CKorvixDoc& doc, int available) {
  if (available < 0 || LogColumnsFull(doc)) return false;
  int counted = 0;
  bool added = false;
  ForEachLogSource(doc, [&](int& column, const std::string&) {
    if (added || column != kNoLogColumn) return;
    if (counted++ == available) {
      column = doc.m_logfieldcount;
      added = true;
    }
  });
  if (added) ++doc.m_logfieldcount;
  return added;
}

void SwapLogColumns(CKorvixDoc& doc, int a, int b) {
  ForEachLogSource(doc, [a, b](int& column, const std::string&) {
    if (column == a) {
      column = b;
    } else if (column == b) {
      column = a;
    }
  });
}

void ResetLogColumnWidths(CKorvixDoc& doc) { doc.m_logcolwidth.fill(kLogColumnDefaultWidth); }

}  // namespace korvix
