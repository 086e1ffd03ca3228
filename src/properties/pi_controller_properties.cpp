#include "properties/pi_controller_properties.h"

#include "properties/choice_indexes.h"
#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/entry_validation.h"
#include "properties/output_target.h"
#include "properties/property_choices.h"
#include "properties/shared_checks.h"
#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr const char* kLimitsEqualMessage = "Max Value can not equal Min Value";
constexpr std::string_view kWholeNumberCharacters = "-0123456789";

std::string WithoutBlanks(std::string text) {
  std::erase(text, ' ');
  return text;
}

std::optional<std::string> RangeProblem(const std::string& prefix, const std::string& max, const std::string& min) {
  if (prefix.empty()) return std::nullopt;
  NumberTexts numbers;
  if (numbers.ParseNumberText(max) == numbers.ParseNumberText(min)) return kLimitsEqualMessage;
  return std::nullopt;
}

}  // namespace

PIControllerFields PropertyKind<ScreenObjectKind::PIController>::Load(const PIControllerRecord& record) {
  PIControllerFields fields;
  fields.title = record.title;
  fields.fontsize = FontSizeIndex(record.sizecode);
  fields.textcolor = record.textcolor;
  fields.idlabel = record.idlabel;
  fields.pollcommand = record.pollcommand;
  fields.sensorto = record.sensorto;
  fields.kpkiformat = ChoiceIndex(record.kpkiformat, kKpKiFormatChoices);
  fields.locksettings = record.locksettings;
  fields.multiplier = record.multiplier;
  fields.offset = record.offset;
  fields.lookuptable = record.lookuptable;
  fields.formula = record.formula;
  fields.posmax = record.posmax;
  fields.posmin = record.posmin;
  fields.posprefix = record.posprefix;
  fields.negmax = record.negmax;
  fields.negmin = record.negmin;
  fields.negprefix = record.negprefix;
  return fields;
}

void PropertyKind<ScreenObjectKind::PIController>::Store(const PIControllerFields& fields, PIControllerRecord& record) {
  record.title = fields.title;
  record.sizecode = FontSizeCode(fields.fontsize, record.sizecode);
  record.textcolor = fields.textcolor;
  record.idlabel = fields.idlabel;
  record.pollcommand = fields.pollcommand;
  record.sensorto = fields.sensorto;
  const int kpkiformat = ChoiceFromIndex(fields.kpkiformat, record.kpkiformat);
  if (kpkiformat != record.kpkiformat) {
    record.kpkiformat = kpkiformat;
    record.kptext = record.kitext = FormatNumberText(1, kpkiformat);
  }
  record.locksettings = fields.locksettings;
  record.multiplier = fields.multiplier;
  record.offset = fields.offset;
  record.lookuptable = fields.lookuptable;
  record.formula = fields.formula;
  record.posprefix = fields.posprefix;
  record.posmax = record.posprefix.empty() ? std::string() : fields.posmax;
  record.posmin = record.posprefix.empty() ? std::string() : fields.posmin;
  record.negprefix = fields.negprefix;
  record.negmax = record.negprefix.empty() ? std::string() : fields.negmax;
  record.negmin = record.negprefix.empty() ? std::string() : fields.negmin;
}

OkCheck<PIControllerField> CheckPIControllerFields(PIControllerFields& fields, const std::string& namelist,
                                                   MessageSink& sink) {
  using F = PIControllerField;
  const OkCheck<F> exchange =
      FirstRefusal<F>(sink, {{F::Title, TextLengthProblem(fields.title, kLabelFieldLimit)},
                             {F::IdLabel, TextLengthProblem(fields.idlabel, kLabelFieldLimit)},
                             {F::PollCommand, TextLengthProblem(fields.pollcommand, kCommandFieldLimit)},
                             {F::SensorTo, TextLengthProblem(fields.sensorto, kLabelFieldLimit), true},
                             {F::Multiplier, TextLengthProblem(fields.multiplier, kNumberFieldLimit)},
                             {F::Offset, TextLengthProblem(fields.offset, kNumberFieldLimit)},
                             {F::LookupTable, TextLengthProblem(fields.lookuptable, kLabelFieldLimit)},
                             {F::Formula, TextLengthProblem(fields.formula, kFormulaFieldLimit), true},
                             {F::PosMax, TextLengthProblem(fields.posmax, kNumberFieldLimit)},
                             {F::PosMin, TextLengthProblem(fields.posmin, kNumberFieldLimit)},
                             {F::PosPrefix, TextLengthProblem(fields.posprefix, kPrefixFieldLimit)},
                             {F::NegMax, TextLengthProblem(fields.negmax, kNumberFieldLimit)},
                             {F::NegMin, TextLengthProblem(fields.negmin, kNumberFieldLimit)},
                             {F::NegPrefix, TextLengthProblem(fields.negprefix, kPrefixFieldLimit)}});
  if (!exchange.Accepted()) return exchange;
  fields.idlabel = TrimEntry(fields.idlabel);
  fields.pollcommand = TrimEntry(fields.pollcommand);
  fields.lookuptable = TrimEntry(fields.lookuptable);
  fields.formula = TrimEntry(fields.formula);
  fields.sensorto = TrimEntry(fields.sensorto);
  fields.posprefix = WithoutBlanks(fields.posprefix);
  fields.negprefix = WithoutBlanks(fields.negprefix);
  return FirstRefusal<F>(sink, {{F::IdLabel, IdLabelProblem(fields.idlabel)},
                                {F::PollCommand, BraceNamesProblem(fields.pollcommand)},
                                {F::LookupTable, BraceNamesProblem(fields.lookuptable)},
                                {F::Formula, MathFormulaProblem(fields.formula, namelist), true},
                                {F::SensorTo, OutputTargetProblem(fields.sensorto, fields.idlabel), true},
                                {F::Multiplier, MultiplierProblem(fields.multiplier)},
                                {F::Offset, NumberTextProblem(fields.offset)},
                                {F::PosMax, CharacterSetProblem(fields.posmax, kWholeNumberCharacters)},
                                {F::PosMin, CharacterSetProblem(fields.posmin, kWholeNumberCharacters)},
                                {F::NegMax, CharacterSetProblem(fields.negmax, kWholeNumberCharacters)},
                                {F::NegMin, CharacterSetProblem(fields.negmin, kWholeNumberCharacters)},
                                {F::PosMax, RangeProblem(fields.posprefix, fields.posmax, fields.posmin)},
                                {F::NegMax, RangeProblem(fields.negprefix, fields.negmax, fields.negmin)},
                                {F::PosPrefix, VariablesProblem(fields.posprefix)},
                                {F::NegPrefix, VariablesProblem(fields.negprefix)}});
}

}  // namespace korvix
