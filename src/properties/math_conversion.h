#pragma once

#include <string>

#include "platform/message_sink.h"
#include "properties/entry_report.h"

namespace korvix {

constexpr int kMathTargetLimit = 70;
constexpr int kMathFormulaLimit = 1000;

enum class MathConversionField { Target, Formula };

// The Math Conversion dialog's two texts.
struct MathConversionEntry {
  std::string formula;
  std::string target;
};

// OK's checks: the length limits, then both texts trimmed of blanks, tabs and
// line breaks at either end (in place, for the dialog to show back), then the
// formula. The target is not checked: what an empty one, or one that names
// nothing, means is the caller's business. A refused target keeps its
// selector shut, so the user can mend the text by hand.
OkCheck<MathConversionField> CheckMathConversion(MessageSink& sink, MathConversionEntry& entry,
                                                 const std::string& namelist);

}  // namespace korvix
