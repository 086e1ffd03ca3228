#pragma once

#include <string>
#include <string_view>

#include "document/korvix_doc.h"

namespace korvix {

// Visits every column field of the labelled log sources in the one order
// that the header, the records and the renumbering share: Variables, Data,
// Text and Input Windows, the Level, Dial, Meter, Vertical and Horizontal
// Gauges, Dual Hand Gauges, Wind Vanes, the four Pivot Tracker columns as
// four passes, Signal Lamps, Event Counters, Event Timers, PI-Controllers.
// `visit(column, label)` gets the column field (a reference, const with a
// const document) and the label whose value the column logs. The date and
// time columns come before all of these and are the caller's.
template <class Doc, class Visit>
void ForEachLabelledLogColumn(Doc& doc, Visit&& visit) {
  const auto each = [&visit](auto& list) {
    for (auto& r : list) visit(r.logcolumn, r.idlabel);
  };
  each(doc.m_variables);
  each(doc.m_datawindows);
  each(doc.m_textwindows);
  each(doc.m_inputwindows);
  each(doc.m_levelgauges);
  each(doc.m_dialgauges);
  each(doc.m_metergauges);
  each(doc.m_vertgauges);
  each(doc.m_horzgauges);
  each(doc.m_dualhandgauges);
  each(doc.m_windvanes);
  each(doc.m_pivottrackers);
  for (auto& r : doc.m_pivottrackers) visit(r.logcolumnrun, r.idlabel + ".run");
  for (auto& r : doc.m_pivottrackers) visit(r.logcolumnwater, r.idlabel + ".water");
  for (auto& r : doc.m_pivottrackers) visit(r.logcolumnsis, r.idlabel + ".sis");
  each(doc.m_signallamps);
  each(doc.m_eventcounters);
  each(doc.m_eventtimers);
  each(doc.m_picontrollers);
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
