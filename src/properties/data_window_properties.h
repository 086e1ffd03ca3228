#pragma once

#include <string>

#include "document/box_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"
#include "properties/value_fields.h"

namespace korvix {

constexpr const char* kDataWindowHelpTopic = "DataWindow.htm";
constexpr int kDataWindowMaxPrefixWidth = 15;
constexpr int kDataWindowMaxSuffixWidth = 9;

// What the Data Window dialog edits; combo indexes are -1 when nothing is
// chosen.
struct DataWindowFields {
  std::string prefix;
  std::string suffix;
  std::string idlabel;
  std::string pollcommand;
  ConversionFields conversion;
  std::string hightrip;
  int hightextcolor = 0;
  int highbgcolor = 0;
  std::string lowtrip;
  int lowtextcolor = 0;
  int lowbgcolor = 0;
  int fontsize = -1;
  int fontcolor = 0;
  int prefixwidth = -1;
  int suffixwidth = -1;
};

// The shown value and the size factors stay: the next value replaces the
// one, resizing on the page the others.
template <>
struct PropertyKind<ScreenObjectKind::DataWindow> {
  using Fields = DataWindowFields;
  static Fields Load(const DataWindowRecord& record);
  static void Store(const Fields& fields, DataWindowRecord& record);
};

// Trims the label, command, lookup table and formula in place, as the
// dialog shows them back; `namelist` serves the formula check.
OkCheck<ValueField> CheckDataWindowFields(DataWindowFields& fields, const std::string& namelist, MessageSink& sink);

}  // namespace korvix
