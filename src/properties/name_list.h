#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "document/korvix_doc.h"

namespace korvix {

// Ends every line of a name list; never part of an ID Label.
constexpr char kNameListLineEnd = static_cast<char>(0xA2);
// Starts every entry line, so that a header never matches a name.
constexpr char kNameListEntryStart = '\t';

// The labels whose values the Run-Loop supplies itself, in the order in which
// they are listed and tested.
constexpr std::array<const char*, 11> kGlobalVariableNames = {"recdata",     "rawdata",   "systemtime", "systemhour",
                                                              "systemmin",   "systemsec", "systemdate", "systemyear",
                                                              "systemmonth", "systemday", "systemdow"};

// The labels a user may refer to, grouped by kind: each group a header line
// such as "<Data Windows>" followed by its entry lines (TAB, the label as
// stored, 0xA2). Groups without members are left out, except the global
// variables, which are always there. Text Boxes, Image Boxes, Push Buttons,
// Rocker Switches, Slider Controls, Conditionals and Conditionals' action
// Scripts never appear.
std::string BuildNameList(const CKorvixDoc& doc);

// The entry lines of `run` in ascending order of their labels folded to lower
// case (ASCII only) and compared byte by byte; equal labels keep their order.
std::string SortNameEntries(std::string_view run);

// The labels a Chart Recorder can still take as data fields: every label
// that is not already one of the recorder's fields, kind by kind (Variables
// other than Text, Data and Input Windows, the gauges, Wind Vanes, Pivot
// Trackers and their lamps, Signal Lamps, Event Counters and Timers,
// PI-Controllers), each kind in document order.
std::vector<std::string> ChartRecorderNameOffers(const CKorvixDoc& doc, int recorder);

}  // namespace korvix
