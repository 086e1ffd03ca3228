#include "properties/dual_hand_gauge_properties.h"

#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/entry_validation.h"
#include "properties/mark_choices.h"
#include "properties/output_target.h"
#include "properties/shared_checks.h"

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
  ConversionFields& conversion = fields.conversion;
  const OkCheck<ValueField> lengths = FirstRefusal<ValueField>(
      sink, {
                {ValueField::Title, TextLengthProblem(fields.texts.title, kLabelFieldLimit)},
                {ValueField::IdLabel, TextLengthProblem(fields.texts.idlabel, kLabelFieldLimit)},
                {ValueField::PollCommand, TextLengthProblem(fields.texts.pollcommand, kCommandFieldLimit)},
                {ValueField::OutputLabel, TextLengthProblem(fields.texts.outputlabel, kLabelFieldLimit), true},
                {ValueField::Multiplier, TextLengthProblem(conversion.multiplier, kNumberFieldLimit)},
                {ValueField::Offset, TextLengthProblem(conversion.offset, kNumberFieldLimit)},
                {ValueField::LookupTable, TextLengthProblem(conversion.lookuptable, kLabelFieldLimit)},
                {ValueField::Formula, TextLengthProblem(conversion.formula, kFormulaFieldLimit), true},
            });
  if (!lengths.Accepted()) return lengths;

  fields.texts.idlabel = TrimEntry(fields.texts.idlabel);
  fields.texts.pollcommand = TrimEntry(fields.texts.pollcommand);
  conversion.lookuptable = TrimEntry(conversion.lookuptable);
  conversion.formula = TrimEntry(conversion.formula);
  fields.texts.outputlabel = TrimEntry(fields.texts.outputlabel);
  return FirstRefusal<ValueField>(
      sink, {
                {ValueField::IdLabel, IdLabelProblem(fields.texts.idlabel)},
                {ValueField::PollCommand, BraceNamesProblem(fields.texts.pollcommand)},
                {ValueField::LookupTable, BraceNamesProblem(conversion.lookuptable)},
                {ValueField::Formula, MathFormulaProblem(conversion.formula, namelist), true},
                {ValueField::OutputLabel, OutputTargetProblem(fields.texts.outputlabel, fields.texts.idlabel), true},
                {ValueField::Multiplier, MultiplierProblem(conversion.multiplier)},
                {ValueField::Offset, NumberTextProblem(conversion.offset)},
            });
}

}  // namespace korvix
