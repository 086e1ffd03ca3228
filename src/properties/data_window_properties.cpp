#include "properties/data_window_properties.h"

#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/entry_validation.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"

namespace korvix {

DataWindowFields PropertyKind<ScreenObjectKind::DataWindow>::Load(const DataWindowRecord& record) {
  DataWindowFields fields;
  fields.prefix = record.prefix;
  fields.suffix = record.suffix;
  fields.idlabel = record.idlabel;
  fields.pollcommand = record.pollcommand;
  fields.conversion = LoadConversion(record);
  fields.hightrip = record.hightrip;
  fields.hightextcolor = record.hightextcolor;
  fields.highbgcolor = record.highbgcolor;
  fields.lowtrip = record.lowtrip;
  fields.lowtextcolor = record.lowtextcolor;
  fields.lowbgcolor = record.lowbgcolor;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.fontcolor = record.fontcolor;
  fields.prefixwidth = WidthIndex(record.prefixwidth);
  fields.suffixwidth = WidthIndex(record.suffixwidth);
  return fields;
}

void PropertyKind<ScreenObjectKind::DataWindow>::Store(const DataWindowFields& fields, DataWindowRecord& record) {
  record.prefix = fields.prefix;
  record.suffix = fields.suffix;
  record.idlabel = fields.idlabel;
  record.pollcommand = fields.pollcommand;
  StoreConversion(fields.conversion, record);
  record.hightrip = fields.hightrip;
  record.hightextcolor = fields.hightextcolor;
  record.highbgcolor = fields.highbgcolor;
  record.lowtrip = fields.lowtrip;
  record.lowtextcolor = fields.lowtextcolor;
  record.lowbgcolor = fields.lowbgcolor;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.fontcolor = fields.fontcolor;
  record.prefixwidth = WidthFromIndex(fields.prefixwidth, record.prefixwidth);
  record.suffixwidth = WidthFromIndex(fields.suffixwidth, record.suffixwidth);
}

OkCheck<ValueField> CheckDataWindowFields(DataWindowFields& fields, const std::string& namelist, MessageSink& sink) {
  ConversionFields& conversion = fields.conversion;
  const OkCheck<ValueField> lengths = FirstRefusal<ValueField>(
      sink, {
                {ValueField::Prefix, TextLengthProblem(fields.prefix, kLabelFieldLimit)},
                {ValueField::Suffix, TextLengthProblem(fields.suffix, kLabelFieldLimit)},
                {ValueField::IdLabel, TextLengthProblem(fields.idlabel, kLabelFieldLimit)},
                {ValueField::PollCommand, TextLengthProblem(fields.pollcommand, kCommandFieldLimit)},
                {ValueField::Multiplier, TextLengthProblem(conversion.multiplier, kNumberFieldLimit)},
                {ValueField::Offset, TextLengthProblem(conversion.offset, kNumberFieldLimit)},
                {ValueField::LookupTable, TextLengthProblem(conversion.lookuptable, kLabelFieldLimit)},
                {ValueField::Formula, TextLengthProblem(conversion.formula, kFormulaFieldLimit), true},
                {ValueField::HighTrip, TextLengthProblem(fields.hightrip, kNumberFieldLimit)},
                {ValueField::LowTrip, TextLengthProblem(fields.lowtrip, kNumberFieldLimit)},
            });
  if (!lengths.Accepted()) return lengths;

  fields.idlabel = TrimEntry(fields.idlabel);
  fields.pollcommand = TrimEntry(fields.pollcommand);
  conversion.lookuptable = TrimEntry(conversion.lookuptable);
  conversion.formula = TrimEntry(conversion.formula);
  return FirstRefusal<ValueField>(sink,
                                  {
                                      {ValueField::IdLabel, IdLabelProblem(fields.idlabel)},
                                      {ValueField::PollCommand, BraceNamesProblem(fields.pollcommand)},
                                      {ValueField::LookupTable, BraceNamesProblem(conversion.lookuptable)},
                                      {ValueField::Formula, MathFormulaProblem(conversion.formula, namelist), true},
                                      {ValueField::Multiplier, MultiplierProblem(conversion.multiplier)},
                                      {ValueField::Offset, NumberTextProblem(conversion.offset)},
                                      {ValueField::HighTrip, NumberTextProblem(fields.hightrip)},
                                      {ValueField::LowTrip, NumberTextProblem(fields.lowtrip)},
                                  });
}

}  // namespace korvix
