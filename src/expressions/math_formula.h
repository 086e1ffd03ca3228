#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <random>
#include <string_view>

namespace korvix {

// The functions a math formula may call, each followed by "(" and its
// argument; names are upper case and compared with case.
constexpr std::array<const char*, 16> kMathFunctions = {"$ABS", "$SIGN", "$RAND", "$SQRT", "$LOG",  "$NLOG",
                                                        "$SIN", "$COS",  "$TAN",  "$ASIN", "$ACOS", "$ATAN",
                                                        "$DEG", "$RAD",  "$NDEG", "$NRAD"};

// Where "$RAND" draws from; the Run-Loop seeds it at every start.
class RandomSource {
public:
  void Seed(uint32_t seed) { m_engine.seed(seed); }
  // Uniform in [0, 1).
  double Next() { return std::uniform_real_distribution<double>(0.0, 1.0)(m_engine); }

private:
  std::mt19937 m_engine{1};
};

// Evaluates a formula whose label references are already expanded: numbers,
// + - * / ^ (power binds tightest and to the right, a sign may lead any
// operand and belongs to it, so -2^2 is 4), parentheses and the sixteen
// functions. Blanks, tabs and line
// breaks separate nothing. No value when the text is not such a formula or
// the result is not a finite number (division by zero, the root or logarithm
// of a number out of range, nesting deeper than kMaxFormulaDepth).
std::optional<double> EvaluateMathFormula(std::string_view formula, RandomSource& random);

constexpr int kMaxFormulaDepth = 200;

}  // namespace korvix
