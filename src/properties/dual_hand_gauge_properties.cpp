#include "properties/dual_hand_gauge_properties.h"

#include "properties/converted_gauge_checks.h"
#include "properties/mark_choices.h"

namespace korvix {

namespace {

constexpr const char* kResetValue = "0";

}  // namespace

DualHandGaugeFields PropertyKind<ScreenObjectKind::DualHandGauge>::Load(const DualHandGaugeRecord& record) {
  DualHandGaugeFields fields;
  fields.texts = LoadGaugeTexts(record);
  fields.conversion = LoadConversion(record);
  fields.dialfactor = DialFactorIndex(record.dialfactor);
  fields.showfactor = record.showfactor;
  fields.submarks = SubMarksIndex(record.submarks, kMostGaugeSubMarks);
  fields.showvalues = record.showvalues;
  return fields;
}

void PropertyKind<ScreenObjectKind::DualHandGauge>::Store(const DualHandGaugeFields& fields,
                                                          DualHandGaugeRecord& record) {
  StoreGaugeTexts(fields.texts, record);
  StoreConversion(fields.conversion, record);
  record.dialfactor = DialFactorFromIndex(fields.dialfactor, record.dialfactor);
  record.showfactor = fields.showfactor;
  record.submarks = SubMarksFromIndex(fields.submarks, kMostGaugeSubMarks, record.submarks);
  record.showvalues = fields.showvalues;
  record.valuetext = kResetValue;
}

OkCheck<ValueField> CheckDualHandGaugeFields(DualHandGaugeFields& fields, const std::string& namelist,
                                             MessageSink& sink) {
  const OkCheck<ValueField> lengths = ConvertedGaugeLengths(fields.texts, fields.conversion, sink);
  if (!lengths.Accepted()) return lengths;
  TrimConvertedGaugeTexts(fields.texts, fields.conversion);
  return ConvertedGaugeTextProblems(fields.texts, fields.conversion, namelist, sink);
}

}  // namespace korvix
