#include "properties/wind_vane_properties.h"

#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/entry_validation.h"
#include "properties/mark_choices.h"
#include "properties/output_target.h"
#include "properties/shared_checks.h"
#include "render/gauges/gauge_scale.h"

namespace korvix {

namespace {

constexpr const char* kResetValue = "0";
constexpr const char* kFullEmptyMessage = "360-Deg Data must contain a number.";
constexpr const char* kZeroEmptyMessage = "0-Deg Data must contain a number.";
constexpr const char* kEqualMessage = "360-Deg Data cannot equal 0-Deg Data.";

}  // namespace

WindVaneFields PropertyKind<ScreenObjectKind::WindVane>::Load(const WindVaneRecord& record) {
  WindVaneFields fields;
  fields.texts = LoadGaugeTexts(record);
  fields.fulldata = record.fulldata;
  fields.zerodata = record.zerodata;
  fields.tickmarks = WindVaneTickMarksIndex(record.tickmarks);
  fields.submarks = SubMarksIndex(record.submarks, kMostWindVaneSubMarks);
  fields.showlabels = record.showlabels;
  return fields;
}

void PropertyKind<ScreenObjectKind::WindVane>::Store(const WindVaneFields& fields, WindVaneRecord& record) {
  StoreGaugeTexts(fields.texts, record);
  record.fulldata = fields.fulldata;
  record.zerodata = fields.zerodata;
  record.tickmarks = WindVaneTickMarksFromIndex(fields.tickmarks, record.tickmarks);
  record.submarks = SubMarksFromIndex(fields.submarks, kMostWindVaneSubMarks, record.submarks);
  record.showlabels = fields.showlabels;
  record.valuetext = kResetValue;
}

OkCheck<ValueField> CheckWindVaneFields(WindVaneFields& fields, MessageSink& sink) {
  const OkCheck<ValueField> lengths = FirstRefusal<ValueField>(
      sink, {
                {ValueField::Title, TextLengthProblem(fields.texts.title, kLabelFieldLimit)},
                {ValueField::IdLabel, TextLengthProblem(fields.texts.idlabel, kLabelFieldLimit)},
                {ValueField::PollCommand, TextLengthProblem(fields.texts.pollcommand, kCommandFieldLimit)},
                {ValueField::OutputLabel, TextLengthProblem(fields.texts.outputlabel, kLabelFieldLimit), true},
                {ValueField::FullData, TextLengthProblem(fields.fulldata, kNumberFieldLimit)},
                {ValueField::ZeroData, TextLengthProblem(fields.zerodata, kNumberFieldLimit)},
            });
  if (!lengths.Accepted()) return lengths;

  fields.texts.idlabel = TrimEntry(fields.texts.idlabel);
  fields.texts.pollcommand = TrimEntry(fields.texts.pollcommand);
  fields.texts.outputlabel = TrimEntry(fields.texts.outputlabel);
  fields.fulldata = WithoutBlanks(fields.fulldata);
  fields.zerodata = WithoutBlanks(fields.zerodata);
  const OkCheck<ValueField> texts = FirstRefusal<ValueField>(
      sink, {
                {ValueField::IdLabel, IdLabelProblem(fields.texts.idlabel)},
                {ValueField::PollCommand, BraceNamesProblem(fields.texts.pollcommand)},
                {ValueField::OutputLabel, OutputTargetProblem(fields.texts.outputlabel, fields.texts.idlabel), true},
                {ValueField::FullData, ProblemIf(fields.fulldata.empty(), kFullEmptyMessage)},
                {ValueField::ZeroData, ProblemIf(fields.zerodata.empty(), kZeroEmptyMessage)},
                {ValueField::FullData, ProblemIf(fields.fulldata == fields.zerodata, kEqualMessage)},
                {ValueField::FullData, NumberTextProblem(fields.fulldata)},
                {ValueField::ZeroData, NumberTextProblem(fields.zerodata)},
            });
  if (!texts.Accepted()) return texts;

  const auto full = BearingValue(fields.fulldata);
  const auto zero = BearingValue(fields.zerodata);
  return FirstRefusal<ValueField>(sink,
                                  {
                                      {ValueField::FullData, ProblemIf(!full, kFullEmptyMessage)},
                                      {ValueField::ZeroData, ProblemIf(!zero, kZeroEmptyMessage)},
                                      {ValueField::FullData, ProblemIf(full && zero && *full == *zero, kEqualMessage)},
                                  });
}

}  // namespace korvix
