#include "expressions/math_formula.h"

#include <cmath>
#include <numbers>
#include <string>

namespace korvix {
namespace {

class FormulaParser {
public:
  FormulaParser(std::string_view text, RandomSource& random) : m_text(text), m_random(random) {}

  std::optional<double> Run() {
    const double value = Sum();
    SkipBlanks();
    if (m_failed || m_pos != m_text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
  }

private:
  void SkipBlanks() {
    while (m_pos < m_text.size() &&
           (m_text[m_pos] == ' ' || m_text[m_pos] == '\t' || m_text[m_pos] == '\r' || m_text[m_pos] == '\n')) {
      ++m_pos;
    }
  }

  bool Take(char c) {
    SkipBlanks();
    if (m_pos < m_text.size() && m_text[m_pos] == c) {
      ++m_pos;
      return true;
    }
    return false;
  }

  double Fail() {
    m_failed = true;
    return 0.0;
  }

  double Sum() {
    double value = Product();
    while (!m_failed) {
      if (Take('+')) {
        value += Product();
      } else if (Take('-')) {
        value -= Product();
      } else {
        break;
      }
    }
    return value;
  }

  double Product() {
    double value = Power();
    while (!m_failed) {
      if (Take('*')) {
        value *= Power();
      } else if (Take('/')) {
        const double divisor = Power();
        if (divisor == 0.0) return Fail();
        value /= divisor;
      } else {
        break;
      }
    }
    return value;
  }

  double Power() {
    const double base = Signed();
    if (m_failed || !Take('^')) return base;
    if (++m_depth > kMaxFormulaDepth) return Fail();
    const double exponent = Power();
    --m_depth;
    const double value = std::pow(base, exponent);
    return std::isfinite(value) ? value : Fail();
  }

  double Signed() {
    if (++m_depth > kMaxFormulaDepth) return Fail();
    double value;
    if (Take('-')) {
      value = -Signed();
    } else if (Take('+')) {
      value = Signed();
    } else {
      value = Primary();
    }
    --m_depth;
    return value;
  }

  double Primary() {
    if (m_failed) return 0.0;
    SkipBlanks();
    if (Take('(')) return Closed(Sum());
    if (m_pos < m_text.size() && m_text[m_pos] == '$') return Function();
    return Number();
  }

  double Closed(double value) { return Take(')') ? value : Fail(); }

  double Number() {
    const size_t start = m_pos;
    bool digits = false;
    bool point = false;
    while (m_pos < m_text.size()) {
      const char c = m_text[m_pos];
      if (c >= '0' && c <= '9') {
        digits = true;
      } else if (c == '.' && !point) {
        point = true;
      } else {
        break;
      }
      ++m_pos;
    }
    if (!digits) return Fail();
    return std::stod(std::string(m_text.substr(start, m_pos - start)));
  }

  double Function() {
    const size_t start = m_pos++;
    while (m_pos < m_text.size() && m_text[m_pos] >= 'A' && m_text[m_pos] <= 'Z') ++m_pos;
    const std::string_view name = m_text.substr(start, m_pos - start);
    if (!Take('(')) return Fail();
    const double x = Closed(Sum());
    if (m_failed) return 0.0;
    return Apply(name, x);
  }

  double Apply(std::string_view name, double x) {
    constexpr double kPi = std::numbers::pi;
    if (name == "$ABS") return std::fabs(x);
    if (name == "$SIGN") return x > 0 ? 1.0 : x < 0 ? -1.0 : 0.0;
    if (name == "$RAND") return m_random.Next() * x;
    if (name == "$SQRT") return x < 0 ? Fail() : std::sqrt(x);
    if (name == "$LOG") return x <= 0 ? Fail() : std::log10(x);
    if (name == "$NLOG") return x <= 0 ? Fail() : std::log(x);
    if (name == "$SIN") return std::sin(x);
    if (name == "$COS") return std::cos(x);
    if (name == "$TAN") return std::tan(x);
    if (name == "$ASIN") return x < -1 || x > 1 ? Fail() : std::asin(x);
    if (name == "$ACOS") return x < -1 || x > 1 ? Fail() : std::acos(x);
    if (name == "$ATAN") return std::atan(x);
    if (name == "$DEG") return x * 180.0 / kPi;
    if (name == "$RAD") return x * kPi / 180.0;
    if (name == "$NDEG") return Normalized(x, 360.0);
    if (name == "$NRAD") return Normalized(x, 2 * kPi);
    return Fail();
  }

  // Into [0, full): a heading of -90 degrees is 270.
  double Normalized(double x, double full) {
    if (!std::isfinite(x)) return Fail();
    double r = std::fmod(x, full);
    if (r < 0) r += full;
    return r >= full ? 0.0 : r;
  }

  std::string_view m_text;
  RandomSource& m_random;
  size_t m_pos = 0;
  int m_depth = 0;
  bool m_failed = false;
};

}  // namespace

std::optional<double> EvaluateMathFormula(std::string_view formula, RandomSource& random) {
  return FormulaParser(formula, random).Run();
}

}  // namespace korvix
