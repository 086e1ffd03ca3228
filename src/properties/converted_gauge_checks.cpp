#include "properties/converted_gauge_checks.h"

#include "properties/data_exchange.h"
#include "properties/entry_steps.h"
#include "properties/entry_validation.h"
#include "properties/output_target.h"
#include "properties/shared_checks.h"

namespace korvix {

OkCheck<ValueField> ConvertedGaugeLengths(const GaugeTextFields& texts, const ConversionFields& conversion,
                                          MessageSink& sink) {
  return FirstRefusal<ValueField>(
      sink, {
                {ValueField::Title, TextLengthProblem(texts.title, kLabelFieldLimit)},
                {ValueField::IdLabel, TextLengthProblem(texts.idlabel, kLabelFieldLimit)},
                {ValueField::PollCommand, TextLengthProblem(texts.pollcommand, kCommandFieldLimit)},
                {ValueField::OutputLabel, TextLengthProblem(texts.outputlabel, kLabelFieldLimit), true},
                {ValueField::Multiplier, TextLengthProblem(conversion.multiplier, kNumberFieldLimit)},
                {ValueField::Offset, TextLengthProblem(conversion.offset, kNumberFieldLimit)},
                {ValueField::LookupTable, TextLengthProblem(conversion.lookuptable, kLabelFieldLimit)},
                {ValueField::Formula, TextLengthProblem(conversion.formula, kFormulaFieldLimit), true},
            });
}

void TrimConvertedGaugeTexts(GaugeTextFields& texts, ConversionFields& conversion) {
  texts.idlabel = TrimEntry(texts.idlabel);
  texts.pollcommand = TrimEntry(texts.pollcommand);
  conversion.lookuptable = TrimEntry(conversion.lookuptable);
  conversion.formula = TrimEntry(conversion.formula);
  texts.outputlabel = TrimEntry(texts.outputlabel);
}

OkCheck<ValueField> ConvertedGaugeTextProblems(const GaugeTextFields& texts, const ConversionFields& conversion,
                                               const std::string& namelist, MessageSink& sink) {
  return FirstRefusal<ValueField>(
      sink, {
                {ValueField::IdLabel, IdLabelProblem(texts.idlabel)},
                {ValueField::PollCommand, BraceNamesProblem(texts.pollcommand)},
                {ValueField::LookupTable, BraceNamesProblem(conversion.lookuptable)},
                {ValueField::Formula, MathFormulaProblem(conversion.formula, namelist), true},
                {ValueField::OutputLabel, OutputTargetProblem(texts.outputlabel, texts.idlabel), true},
                {ValueField::Multiplier, MultiplierProblem(conversion.multiplier)},
                {ValueField::Offset, NumberTextProblem(conversion.offset)},
            });
}

}  // namespace korvix
