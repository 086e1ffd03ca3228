#pragma once

#include <string>

#include "document/gauge_records.h"
#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/property_frame.h"
#include "properties/value_fields.h"

namespace korvix {

// What the Level, Dial, Meter, Vertical and Horizontal Gauge dialogs edit.
// The Level Gauge has no Sub Marks and no Warning Level, the others no Min/Max
// and no bar colour. Combo indexes are -1 when nothing is chosen.
struct GaugeFields {
  GaugeTextFields texts;
  ConversionFields conversion;
  int tickmarks = -1;
  int submarks = -1;
  std::string scaleend;
  std::string scalestart;
  std::string warnlevel;
  int showvalues = 0;
  int showminmax = 0;
  int barcolor = 0;
};

// How a gauge kind names its scale ends, which also decides its messages.
struct GaugeWording {
  const char* caption;
  const char* helptopic;
  const char* endlabel;    // "Right Value" or "Top Value"
  const char* startlabel;  // "Left Value" or "Bottom Value"
  const char* endempty;
  const char* startempty;
  const char* endsequal;
  const char* warningrange;  // nullptr: the kind has no Warning Level
};
GaugeWording WordingOf(ScreenObjectKind kind);

// OK shows the low end of the new scale until a value arrives; a Level
// Gauge also forgets the extremes it saw on the old one.
template <>
struct PropertyKind<ScreenObjectKind::LevelGauge> {
  using Fields = GaugeFields;
  static Fields Load(const LevelGaugeRecord& record);
  static void Store(const Fields& fields, LevelGaugeRecord& record);
};

// The Dial, Meter, Vertical and Horizontal Gauges share their record's
// layout and so their fields.
struct ScaleGaugeProperties {
  using Fields = GaugeFields;
  static Fields Load(const ScaleGaugeRecord& record);
  static void Store(const Fields& fields, ScaleGaugeRecord& record);
};
template <>
struct PropertyKind<ScreenObjectKind::DialGauge> : ScaleGaugeProperties {};
template <>
struct PropertyKind<ScreenObjectKind::MeterGauge> : ScaleGaugeProperties {};
template <>
struct PropertyKind<ScreenObjectKind::VerticalGauge> : ScaleGaugeProperties {};
template <>
struct PropertyKind<ScreenObjectKind::HorizontalGauge> : ScaleGaugeProperties {};

// Trims the texts and takes the blanks out of the scale values in place (the
// letters of these turned to upper case), as the dialog shows them back.
// Beyond their texts, the scale ends must read as two different numbers in
// the Output base at the Offset's decimals, as the gauge will read them, and
// a Warning Level must lie on the scale, at its start or above it but below
// its end: a gauge refused nothing here can always show a value.
OkCheck<ValueField> CheckGaugeFields(GaugeFields& fields, const GaugeWording& wording, const std::string& namelist,
                                     MessageSink& sink);

}  // namespace korvix
