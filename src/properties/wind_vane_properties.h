#pragma once

#include <string>

#include "document/gauge_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"
#include "properties/value_fields.h"

namespace korvix {

constexpr const char* kWindVaneHelpTopic = "WindVane.htm";

// What the Wind Vane dialog edits; combo indexes are -1 when nothing is
// chosen.
struct WindVaneFields {
  GaugeTextFields texts;
  std::string fulldata;
  std::string zerodata;
  int tickmarks = -1;
  int submarks = -1;
  int showlabels = 0;
};

// OK points the vane north until a value arrives.
template <>
struct PropertyKind<ScreenObjectKind::WindVane> {
  using Fields = WindVaneFields;
  static Fields Load(const WindVaneRecord& record);
  static void Store(const Fields& fields, WindVaneRecord& record);
};

// Trims the texts and takes the blanks out of the Deg Data in place, as the
// dialog shows them back. The two Deg Data must read as two different
// decimal numbers, as the vane reads them, or it could never point.
OkCheck<ValueField> CheckWindVaneFields(WindVaneFields& fields, MessageSink& sink);

}  // namespace korvix
