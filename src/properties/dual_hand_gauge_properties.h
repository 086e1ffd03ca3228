#pragma once

#include <string>

#include "document/gauge_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"
#include "properties/value_fields.h"

namespace korvix {

constexpr const char* kDualHandGaugeHelpTopic = "DualHandGauge.htm";

// What the Dual Hand Gauge dialog edits. Its record keeps no output base:
// the hands read the value as a decimal number. Combo indexes are -1 when
// nothing is chosen.
struct DualHandGaugeFields {
  GaugeTextFields texts;
  ConversionFields conversion;
  int dialfactor = -1;
  int showfactor = 0;
  int submarks = -1;
  int showvalues = 0;
};

// OK sets the hands back to 0 until a value arrives.
template <>
struct PropertyKind<ScreenObjectKind::DualHandGauge> {
  using Fields = DualHandGaugeFields;
  static Fields Load(const DualHandGaugeRecord& record);
  static void Store(const Fields& fields, DualHandGaugeRecord& record);
};

// Trims the texts in place, as the dialog shows them back.
OkCheck<ValueField> CheckDualHandGaugeFields(DualHandGaugeFields& fields, const std::string& namelist,
                                             MessageSink& sink);

}  // namespace korvix
