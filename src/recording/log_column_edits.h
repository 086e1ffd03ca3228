#pragma once

#include <string>
#include <vector>

#include "document/korvix_doc.h"

namespace korvix {

constexpr int kLogColumnDefaultWidth = 70;

// The header text of each column 0..m_logfieldcount-1 exactly as the data
// log writes it: the titles of all its sources in kind order, joined, and
// empty for a column that no source holds any more.
std::vector<std::string> LogColumnTitles(const CKorvixDoc& doc);

// The titles of the sources that are not logged, in kind order.
std::vector<std::string> AvailableLogFields(const CKorvixDoc& doc);

bool LogColumnsFull(const CKorvixDoc& doc);

// The `available`-th source that is not logged (counted as AvailableLogFields
// lists them) becomes the last column. False when there is no such source or
// no room for another column.
bool AddLogColumn(CKorvixDoc& doc, int available);

// Columns a and b trade places in every source, the date and time included.
void SwapLogColumns(CKorvixDoc& doc, int a, int b);

// Any change of the columns makes widths set for the old ones meaningless.
void ResetLogColumnWidths(CKorvixDoc& doc);

}  // namespace korvix
