#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "document/kind_traits.h"
#include "document/korvix_doc.h"

namespace korvix {

// Visits every column field of the labelled log sources in the one order
// that the header, the records and the renumbering share: the Variables,
// then the kinds in kind order, each kind's columns as one pass each (a
// Pivot Tracker's four columns as four passes). `visit(column, label)` gets
// the column field (a reference, const with a const document) and the label
// whose value the column logs. The date and time columns come before all of
// these and are the caller's.
template <class Doc, class Visit>
void ForEachLabelledLogColumn(Doc& doc, Visit&& visit) {
  for (auto& r : doc.m_variables) visit(r.logcolumn, r.idlabel);
  ForEachKind([&](auto tag) {
    using Traits = KindTraits<decltype(tag)::value>;
    if constexpr (!Traits::kLogColumns.empty()) {
      for (const auto& column : Traits::kLogColumns) {
        const char* suffix = Traits::kValueLabels[static_cast<std::size_t>(column.valuelabel)];
        for (auto& r : ListOf<decltype(tag)::value>(doc)) {
          if (*suffix)
            visit(r.*column.field, r.idlabel + suffix);
          else
            visit(r.*column.field, r.idlabel);
        }
      }
    }
  });
}

inline constexpr std::string_view kLogDateTitle = "Date";
inline constexpr std::string_view kLogTimeTitle = "Time";

// Every log source in kind order, the date and the time first: `visit(column,
// title)` gets its column field and its header text.
template <class Doc, class Visit>
void ForEachLogSource(Doc& doc, Visit&& visit) {
  visit(doc.m_logcoldate, std::string(kLogDateTitle));
  visit(doc.m_logcoltime, std::string(kLogTimeTitle));
  ForEachLabelledLogColumn(doc, visit);
}

// Takes column `column` out of use: its holders are no longer logged, later
// columns move down one and the column count drops. -1 does nothing.
// Column widths stay at their indices.
void RemoveLogColumn(CKorvixDoc& doc, int column);

}  // namespace korvix
