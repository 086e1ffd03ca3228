#pragma once

#include <string>

#include "platform/message_sink.h"
#include "properties/entry_report.h"
#include "properties/value_fields.h"

namespace korvix {

// The OK steps that the scale gauges and the Dual Hand Gauge share: both
// read a module's value through a Data Conversion, so they refuse the same
// texts in the same order before their own fields.

// Every shared text within its field's length.
OkCheck<ValueField> ConvertedGaugeLengths(const GaugeTextFields& texts, const ConversionFields& conversion,
                                          MessageSink& sink);

// The label, command and conversion texts without blanks at either end, as
// the dialog shows them back.
void TrimConvertedGaugeTexts(GaugeTextFields& texts, ConversionFields& conversion);

// The shared texts' contents, once trimmed.
OkCheck<ValueField> ConvertedGaugeTextProblems(const GaugeTextFields& texts, const ConversionFields& conversion,
                                               const std::string& namelist, MessageSink& sink);

}  // namespace korvix
