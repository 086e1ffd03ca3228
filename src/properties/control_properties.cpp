#include "properties/control_properties.h"

#include <algorithm>

#include "properties/choice_indexes.h"
#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/mark_choices.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"
#include "properties/value_fields.h"
#include "render/controls/slider_knob.h"

namespace korvix {

namespace {

constexpr int kHexType = 1;
constexpr int kBinaryType = 2;
constexpr const char* kDecimalPointMessage = "This field cannot contain a decimal point.";
constexpr const char* kValueTypeMessage = "This field contains a character which \rdoes not match the Value Type.";
constexpr const char* kTopEmptyMessage = "Top Value must contain a number.";
constexpr const char* kBottomEmptyMessage = "Bottom Value must contain a number.";
constexpr const char* kEndsEqualMessage = "Top Value cannot equal Bottom Value.";

// Whole numbers in the slider's or switch's number base; the point is named
// first, since it is a legal character of the decimal type.
std::optional<std::string> ValueTypeProblem(std::string_view text, int valuetype) {
  const std::string_view allowed = valuetype == kHexType      ? "-.0123456789abcdefABCDEF"
                                   : valuetype == kBinaryType ? "-.01"
                                                              : "-.0123456789";
  if (text.find('.') != std::string_view::npos) return kDecimalPointMessage;
  if (text.find_first_not_of(allowed) != std::string_view::npos) return kValueTypeMessage;
  return std::nullopt;
}

std::optional<std::string> EndProblem(const std::string& end, int valuetype, const char* emptymessage) {
  if (!SliderNumber(end, valuetype)) return emptymessage;
  return std::nullopt;
}

std::optional<std::string> EndsProblem(const SliderControlFields& fields) {
  if (fields.topvalue == fields.bottomvalue) return kEndsEqualMessage;
  return std::nullopt;
}

std::optional<std::string> EndNumbersProblem(const SliderControlFields& fields) {
  const std::optional<double> top = SliderNumber(fields.topvalue, fields.valuetype);
  const std::optional<double> bottom = SliderNumber(fields.bottomvalue, fields.valuetype);
  if (top && bottom && *top == *bottom) return kEndsEqualMessage;
  return std::nullopt;
}

// The Rocker Switch and the Slider Control start, ask and report alike; the
// members they share carry the same names in their records and fields.
template <class Fields, class Record>
void LoadValueSender(const Record& record, int initmodes, Fields& fields) {
  fields.title = record.title;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.textcolor = record.textcolor;
  fields.initmode = ChoiceIndex(record.initmode, initmodes);
  fields.startvalue = record.startvalue;
  fields.getcommand = record.getcommand;
  fields.valuetype = ChoiceIndex(record.valuetype, kValueTypeChoices);
  fields.responseexpected = record.responseexpected;
  fields.responseto = record.responseto;
  fields.sendvalueto = record.sendvalueto;
}

template <class Fields, class Record>
void StoreValueSender(const Fields& fields, Record& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.textcolor = fields.textcolor;
  record.initmode = ChoiceFromIndex(fields.initmode, record.initmode);
  record.startvalue = fields.startvalue;
  record.getcommand = fields.getcommand;
  record.valuetype = ChoiceFromIndex(fields.valuetype, record.valuetype);
  record.responseexpected = fields.responseexpected;
  record.responseto = fields.responseto;
  record.sendvalueto = fields.sendvalueto;
}

template <class F, class Fields>
OkCheck<F> ValueSenderLengths(const Fields& fields, MessageSink& sink) {
  return FirstRefusal<F>(sink, {{F::Title, TextLengthProblem(fields.title, kLabelFieldLimit)},
                                {F::StartValue, TextLengthProblem(fields.startvalue, kNumberFieldLimit)},
                                {F::GetCommand, TextLengthProblem(fields.getcommand, kPrefixFieldLimit)},
                                {F::ResponseTo, TextLengthProblem(fields.responseto, kLabelFieldLimit)},
                                {F::SendValueTo, TextLengthProblem(fields.sendvalueto, kLabelFieldLimit)}});
}

// Targets are names, so only their ends are trimmed; what goes out to a
// module may hold no blank at all.
template <class Fields>
void CleanValueSenderTexts(Fields& fields) {
  fields.responseto = TrimEntry(fields.responseto);
  fields.sendvalueto = TrimEntry(fields.sendvalueto);
  fields.startvalue = WithoutBlanks(fields.startvalue);
  fields.getcommand = WithoutBlanks(fields.getcommand);
}

}  // namespace

RockerSwitchFields PropertyKind<ScreenObjectKind::RockerSwitch>::Load(const RockerSwitchRecord& record) {
  RockerSwitchFields fields;
  LoadValueSender(record, kNoValueUsed + 1, fields);
  fields.repeatrate = std::clamp(record.repeatrate, 0, kMaxRepeatRate);
  fields.upstep = ChoiceIndex(record.upstep, 2);
  fields.uplimit = record.uplimit;
  fields.upprefix = record.upprefix;
  fields.downstep = ChoiceIndex(record.downstep, 2);
  fields.downlimit = record.downlimit;
  fields.downprefix = record.downprefix;
  fields.rollover = record.rollover;
  return fields;
}

void PropertyKind<ScreenObjectKind::RockerSwitch>::Store(const RockerSwitchFields& fields, RockerSwitchRecord& record) {
  StoreValueSender(fields, record);
  record.repeatrate = fields.repeatrate;
  record.upstep = ChoiceFromIndex(fields.upstep, record.upstep);
  record.uplimit = fields.uplimit;
  record.upprefix = fields.upprefix;
  record.downstep = ChoiceFromIndex(fields.downstep, record.downstep);
  record.downlimit = fields.downlimit;
  record.downprefix = fields.downprefix;
  record.rollover = fields.rollover;
}

OkCheck<RockerSwitchField> CheckRockerSwitchFields(RockerSwitchFields& fields, MessageSink& sink) {
  using F = RockerSwitchField;
  if (const OkCheck<F> shared = ValueSenderLengths<F>(fields, sink); !shared.Accepted()) return shared;
  const OkCheck<F> exchange =
      FirstRefusal<F>(sink, {{F::UpLimit, TextLengthProblem(fields.uplimit, kNumberFieldLimit)},
                             {F::UpPrefix, TextLengthProblem(fields.upprefix, kPrefixFieldLimit)},
                             {F::DownLimit, TextLengthProblem(fields.downlimit, kNumberFieldLimit)},
                             {F::DownPrefix, TextLengthProblem(fields.downprefix, kPrefixFieldLimit)}});
  if (!exchange.Accepted()) return exchange;
  CleanValueSenderTexts(fields);
  fields.upprefix = WithoutBlanks(fields.upprefix);
  fields.downprefix = WithoutBlanks(fields.downprefix);
  const bool startvalueused = fields.initmode == kStartWithValue;
  return FirstRefusal<F>(
      sink, {{F::GetCommand, VariablesProblem(fields.getcommand)},
             {F::UpPrefix, VariablesProblem(fields.upprefix)},
             {F::DownPrefix, VariablesProblem(fields.downprefix)},
             {F::ResponseTo, VariablesProblem(fields.responseto), true},
             {F::SendValueTo, VariablesProblem(fields.sendvalueto), true},
             {F::StartValue, startvalueused ? ValueTypeProblem(fields.startvalue, fields.valuetype) : std::nullopt},
             {F::UpLimit, ValueTypeProblem(fields.uplimit, fields.valuetype)},
             {F::DownLimit, ValueTypeProblem(fields.downlimit, fields.valuetype)}});
}

SliderControlFields PropertyKind<ScreenObjectKind::SliderControl>::Load(const SliderControlRecord& record) {
  SliderControlFields fields;
  LoadValueSender(record, kGetValueFromModule + 1, fields);
  fields.continuoussend = record.continuoussend;
  fields.tickmarks = TickMarksIndex(record.tickmarks);
  fields.showvalues = record.showvalues;
  fields.topvalue = record.topvalue;
  fields.bottomvalue = record.bottomvalue;
  fields.sendprefix = record.sendprefix;
  return fields;
}

void PropertyKind<ScreenObjectKind::SliderControl>::Store(const SliderControlFields& fields,
                                                          SliderControlRecord& record) {
  StoreValueSender(fields, record);
  record.continuoussend = fields.continuoussend;
  record.tickmarks = TickMarksFromIndex(fields.tickmarks, record.tickmarks);
  record.showvalues = fields.showvalues;
  record.topvalue = fields.topvalue;
  record.bottomvalue = fields.bottomvalue;
  record.sendprefix = fields.sendprefix;
  record.valuetext = record.bottomvalue;
}

OkCheck<SliderControlField> CheckSliderControlFields(SliderControlFields& fields, MessageSink& sink) {
  using F = SliderControlField;
  if (const OkCheck<F> shared = ValueSenderLengths<F>(fields, sink); !shared.Accepted()) return shared;
  const OkCheck<F> exchange =
      FirstRefusal<F>(sink, {{F::TopValue, TextLengthProblem(fields.topvalue, kNumberFieldLimit)},
                             {F::BottomValue, TextLengthProblem(fields.bottomvalue, kNumberFieldLimit)},
                             {F::Prefix, TextLengthProblem(fields.sendprefix, kPrefixFieldLimit)}});
  if (!exchange.Accepted()) return exchange;
  CleanValueSenderTexts(fields);
  fields.sendprefix = WithoutBlanks(fields.sendprefix);
  fields.topvalue = ScaleEntry(fields.topvalue);
  fields.bottomvalue = ScaleEntry(fields.bottomvalue);
  const bool startvalueused = fields.initmode == kStartWithValue;
  return FirstRefusal<F>(
      sink, {{F::GetCommand, VariablesProblem(fields.getcommand)},
             {F::Prefix, VariablesProblem(fields.sendprefix)},
             {F::ResponseTo, VariablesProblem(fields.responseto), true},
             {F::SendValueTo, VariablesProblem(fields.sendvalueto), true},
             {F::TopValue, ProblemIf(fields.topvalue.empty(), kTopEmptyMessage)},
             {F::BottomValue, ProblemIf(fields.bottomvalue.empty(), kBottomEmptyMessage)},
             {F::TopValue, EndsProblem(fields)},
             {F::StartValue, startvalueused ? ValueTypeProblem(fields.startvalue, fields.valuetype) : std::nullopt},
             {F::TopValue, ValueTypeProblem(fields.topvalue, fields.valuetype)},
             {F::BottomValue, ValueTypeProblem(fields.bottomvalue, fields.valuetype)},
             {F::TopValue, EndProblem(fields.topvalue, fields.valuetype, kTopEmptyMessage)},
             {F::BottomValue, EndProblem(fields.bottomvalue, fields.valuetype, kBottomEmptyMessage)},
             {F::TopValue, EndNumbersProblem(fields)}});
}

}  // namespace korvix
