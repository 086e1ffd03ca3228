#include "properties/math_conversion.h"

#include "properties/data_exchange.h"
#include "properties/entry_validation.h"
#include "properties/shared_checks.h"

namespace korvix {

OkCheck<MathConversionField> CheckMathConversion(MessageSink& sink, MathConversionEntry& entry,
                                                 const std::string& namelist) {
  if (!ReportEntryProblem(sink, TextLengthProblem(entry.target, kMathTargetLimit)))
    return {MathConversionField::Target, true};
  if (!ReportEntryProblem(sink, TextLengthProblem(entry.formula, kMathFormulaLimit)))
    return {MathConversionField::Formula};
  entry.target = TrimWhiteSpace(entry.target);
  entry.formula = TrimWhiteSpace(entry.formula);
  if (!CheckMathFormula(sink, entry.formula, namelist)) return {MathConversionField::Formula};
  return {};
}

}  // namespace korvix
