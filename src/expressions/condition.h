#pragma once

#include <string>
#include <vector>

#include "expressions/label_reader.h"
#include "expressions/math_formula.h"

namespace korvix {

// True when the Conditional expression holds for the current label values.
// Clauses are "operand relation operand", joined by AND (binding tightest),
// XOR and OR, and grouped by parentheses. An operand is one or more words;
// its label references are read when the clause is reached. Two operands that
// are both numbers (number texts or arithmetic that evaluates) compare as
// numbers, any other pair as texts with the blanks at their ends ignored.
// An expression that the entry check refuses, or an empty one, is false.
bool EvaluateCondition(const std::string& expression, LabelReader& reader, RandomSource& random);

// An expression taken apart once, to be evaluated again and again.
struct ParsedCondition {
  bool valid = false;
  std::vector<std::string> tokens;
};
ParsedCondition ParseCondition(const std::string& expression);
bool EvaluateCondition(const ParsedCondition& parsed, LabelReader& reader, RandomSource& random);

}  // namespace korvix
