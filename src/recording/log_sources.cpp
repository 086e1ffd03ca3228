#include "recording/log_sources.h"

namespace korvix {

void RemoveLogColumn(CKorvixDoc& doc, int column) {
  if (column < 0) return;  // -1 is "not logged"; nothing lower is a column
  const auto renumber = [column](int& field) {
    if (field == column) {
      field = kNoLogColumn;
    } else if (field > column) {
      --field;
    }
  };
  renumber(doc.m_logcoldate);
  renumber(doc.m_logcoltime);
  ForEachLabelledLogColumn(doc, [&renumber](int& field, const std::string&) { renumber(field); });
  // A count already at 0 has no column to give up.
  if (doc.m_logfieldcount > 0) --doc.m_logfieldcount;
}

}  // namespace korvix
