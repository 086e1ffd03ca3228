#include "properties/state_properties.h"

#include <algorithm>

#include "properties/choice_indexes.h"
#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/entry_validation.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr const char* kLampOnText = "On";
constexpr const char* kLampOffText = "Off";
constexpr int kResetOn = 1;
constexpr int kWideButtons = 3;
constexpr int kNarrowButtons = 1;
constexpr std::string_view kTimeCharacters = ":.0123456789";
constexpr const char* kNegativeMessage = "This field cannot be a negative number.";
constexpr const char* kTimerOverflowMessage = "The Reset Value can not exceed 596:31:23.647.";

int ButtonWidth(int manualbuttons) { return manualbuttons ? kWideButtons : kNarrowButtons; }

// The checks that all three kinds share: the lengths, then the ID Label and
// the module texts, trimmed and checked.
OkCheck<StateObjectField> CheckStateTexts(MessageSink& sink, std::string& title, std::string& idlabel,
                                          std::string& first, std::string& second, std::string& third,
                                          const std::string& resetvalue, int resetlimit) {
  using F = StateObjectField;
  const OkCheck<F> exchange = FirstRefusal<F>(sink, {{F::Title, TextLengthProblem(title, kLabelFieldLimit)},
                                                     {F::IdLabel, TextLengthProblem(idlabel, kLabelFieldLimit)},
                                                     {F::ResetValue, TextLengthProblem(resetvalue, resetlimit)},
                                                     {F::FirstText, TextLengthProblem(first, kLabelFieldLimit)},
                                                     {F::SecondText, TextLengthProblem(second, kLabelFieldLimit)},
                                                     {F::ThirdText, TextLengthProblem(third, kLabelFieldLimit)}});
  if (!exchange.Accepted()) return exchange;
  idlabel = TrimEntry(idlabel);
  first = TrimEntry(first);
  second = TrimEntry(second);
  third = TrimEntry(third);
  return FirstRefusal<F>(sink, {{F::IdLabel, IdLabelProblem(idlabel)},
                                {F::FirstText, BraceNamesProblem(first)},
                                {F::SecondText, BraceNamesProblem(second)},
                                {F::ThirdText, BraceNamesProblem(third)}});
}

std::optional<std::string> TimerResetProblem(std::string_view text) {
  if (text.starts_with('-')) return kNegativeMessage;
  if (auto problem = CharacterSetProblem(text, kTimeCharacters)) return problem;
  NumberTexts numbers;
  numbers.ParseMilliText(text);
  if (numbers.m_overflow) return kTimerOverflowMessage;
  return std::nullopt;
}

}  // namespace

SignalLampFields PropertyKind<ScreenObjectKind::SignalLamp>::Load(const SignalLampRecord& record) {
  SignalLampFields fields;
  fields.title = record.title;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.textcolor = record.textcolor;
  fields.idlabel = record.idlabel;
  fields.lampcolor = ChoiceIndex(record.lampcolor, kLampColourChoices);
  fields.resetstate = ChoiceIndex(record.resetstate, kResetOn + 1);
  fields.resetonrun = record.resetonrun;
  fields.manualop = record.manualop;
  fields.flashrate = std::clamp(record.flashrate, 0, kMaxFlashRate);
  fields.ontext = record.ontext;
  fields.offtext = record.offtext;
  fields.toggletext = record.toggletext;
  return fields;
}

void PropertyKind<ScreenObjectKind::SignalLamp>::Store(const SignalLampFields& fields, SignalLampRecord& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.textcolor = fields.textcolor;
  record.idlabel = fields.idlabel;
  record.lampcolor = ChoiceFromIndex(fields.lampcolor, record.lampcolor);
  record.resetstate = ChoiceFromIndex(fields.resetstate, record.resetstate);
  record.resetonrun = fields.resetonrun;
  record.manualop = fields.manualop;
  record.flashrate = fields.flashrate;
  record.ontext = fields.ontext;
  record.offtext = fields.offtext;
  record.toggletext = fields.toggletext;
  const bool on = record.resetstate == kResetOn;
  record.state = on ? 1 : 0;
  record.valuetext = on ? kLampOnText : kLampOffText;
}

OkCheck<StateObjectField> CheckSignalLampFields(SignalLampFields& fields, MessageSink& sink) {
  return CheckStateTexts(sink, fields.title, fields.idlabel, fields.ontext, fields.offtext, fields.toggletext, {}, 0);
}

EventCounterFields PropertyKind<ScreenObjectKind::EventCounter>::Load(const EventCounterRecord& record) {
  EventCounterFields fields;
  fields.title = record.title;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.textcolor = record.textcolor;
  fields.idlabel = record.idlabel;
  fields.titlewidth = WidthIndex(record.titlewidth);
  fields.resetvalue = record.resetvalue;
  fields.resetonrun = record.resetonrun;
  fields.manualbuttons = record.manualbuttons;
  fields.inctext = record.inctext;
  fields.dectext = record.dectext;
  fields.resettext = record.resettext;
  return fields;
}

void PropertyKind<ScreenObjectKind::EventCounter>::Store(const EventCounterFields& fields, EventCounterRecord& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.textcolor = fields.textcolor;
  record.idlabel = fields.idlabel;
  record.titlewidth = WidthFromIndex(fields.titlewidth, record.titlewidth);
  record.resetvalue = fields.resetvalue;
  record.resetonrun = fields.resetonrun;
  record.manualbuttons = fields.manualbuttons;
  record.inctext = fields.inctext;
  record.dectext = fields.dectext;
  record.resettext = fields.resettext;
  record.buttonwidth = ButtonWidth(record.manualbuttons);
  record.valuetext = record.resetvalue;
}

OkCheck<StateObjectField> CheckEventCounterFields(EventCounterFields& fields, MessageSink& sink) {
  const OkCheck<StateObjectField> texts =
      CheckStateTexts(sink, fields.title, fields.idlabel, fields.inctext, fields.dectext, fields.resettext,
                      fields.resetvalue, kNumberFieldLimit);
  if (!texts.Accepted()) return texts;
  return FirstRefusal<StateObjectField>(
      sink, {{StateObjectField::ResetValue, CharacterSetProblem(fields.resetvalue, kNumberCharacters, true)}});
}

EventTimerFields PropertyKind<ScreenObjectKind::EventTimer>::Load(const EventTimerRecord& record) {
  EventTimerFields fields;
  fields.title = record.title;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.textcolor = record.textcolor;
  fields.idlabel = record.idlabel;
  fields.titlewidth = WidthIndex(record.titlewidth);
  fields.timeformat = ChoiceIndex(record.timeformat, kTimeFormatChoices);
  fields.resetvalue = FormatDuration(record.resetms, record.timeformat);
  fields.resetonrun = record.resetonrun;
  fields.manualbuttons = record.manualbuttons;
  fields.starttext = record.starttext;
  fields.halttext = record.halttext;
  fields.resettext = record.resettext;
  return fields;
}

void PropertyKind<ScreenObjectKind::EventTimer>::Store(const EventTimerFields& fields, EventTimerRecord& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.textcolor = fields.textcolor;
  record.idlabel = fields.idlabel;
  record.titlewidth = WidthFromIndex(fields.titlewidth, record.titlewidth);
  record.timeformat = ChoiceFromIndex(fields.timeformat, record.timeformat);
  NumberTexts numbers;
  record.resetms = numbers.ParseMilliText(fields.resetvalue);
  record.resetonrun = fields.resetonrun;
  record.manualbuttons = fields.manualbuttons;
  record.starttext = fields.starttext;
  record.halttext = fields.halttext;
  record.resettext = fields.resettext;
  record.buttonwidth = ButtonWidth(record.manualbuttons);
  record.elapsedms = 0;
  record.valuetext = FormatDuration(record.resetms, record.timeformat);
}

OkCheck<StateObjectField> CheckEventTimerFields(EventTimerFields& fields, MessageSink& sink) {
  const OkCheck<StateObjectField> texts =
      CheckStateTexts(sink, fields.title, fields.idlabel, fields.starttext, fields.halttext, fields.resettext,
                      fields.resetvalue, kTimerResetLimit);
  if (!texts.Accepted()) return texts;
  return FirstRefusal<StateObjectField>(sink, {{StateObjectField::ResetValue, TimerResetProblem(fields.resetvalue)}});
}

std::string ReformatTimerResetValue(std::string_view resetvalue, int timeformat) {
  std::string cleaned;
  for (char c : resetvalue) {
    if (kTimeCharacters.find(c) != std::string_view::npos) cleaned += c;
  }
  NumberTexts numbers;
  const int32_t ms = numbers.ParseMilliText(cleaned);
  if (numbers.m_overflow) return cleaned;
  return FormatDuration(ms, timeformat);
}

}  // namespace korvix
