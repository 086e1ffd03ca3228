#include "expressions/condition.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "expressions/expression_syntax.h"
#include "expressions/label_refs.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

enum class Relation { Greater, GreaterEqual, Less, LessEqual, Equal, NotEqual };

std::optional<Relation> RelationOf(std::string_view token) {
  if (token == ">") return Relation::Greater;
  if (token == ">=") return Relation::GreaterEqual;
  if (token == "<") return Relation::Less;
  if (token == "<=") return Relation::LessEqual;
  if (token == "=") return Relation::Equal;
  if (token == "<>") return Relation::NotEqual;
  return std::nullopt;
}

bool IsLogical(std::string_view token) { return token == "AND" || token == "OR" || token == "XOR"; }

bool Holds(Relation relation, int order) {
  switch (relation) {
    case Relation::Greater: return order > 0;
    case Relation::GreaterEqual: return order >= 0;
    case Relation::Less: return order < 0;
    case Relation::LessEqual: return order <= 0;
    case Relation::Equal: return order == 0;
    case Relation::NotEqual: return order != 0;
  }
  return false;
}

template <class T>
int Order(T a, T b) {
  return a < b ? -1 : b < a ? 1 : 0;
}

std::string_view Trimmed(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A plain number text: an optional leading "-", digits, ":" and at most one
// ".", with at least one digit.
bool IsNumberText(std::string_view text) {
  bool digit = false;
  bool point = false;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c == '-' && i == 0) {
    } else if (c == '.' && !point) {
      point = true;
    } else if (c != ':') {
      return false;
    }
  }
  return digit;
}

// An operand's value once its references are read.
struct Operand {
  std::string text;
  std::optional<int64_t> scaled;  // exact, with `decimals`
  int decimals = 0;
  std::optional<double> number;
};

class ConditionParser {
public:
  ConditionParser(const std::vector<std::string>& tokens, LabelReader& reader, RandomSource& random)
      : m_tokens(tokens), m_reader(reader), m_random(random) {}

  bool Run() {
    const bool value = Or();
    return !m_failed && m_pos == m_tokens.size() && value;
  }

private:
  bool AtEnd() const { return m_pos >= m_tokens.size(); }
  const std::string& Peek() const { return m_tokens[m_pos]; }
  bool Fail() {
    m_failed = true;
    return false;
  }

  bool Or() {
    bool value = Xor();
    while (!m_failed && !AtEnd() && Peek() == "OR") {
      ++m_pos;
      const bool right = Xor();
      value = value || right;
    }
    return value;
  }

  bool Xor() {
    bool value = And();
    while (!m_failed && !AtEnd() && Peek() == "XOR") {
      ++m_pos;
      value = value != And();
    }
    return value;
  }

  bool And() {
    bool value = Term();
    while (!m_failed && !AtEnd() && Peek() == "AND") {
      ++m_pos;
      const bool right = Term();
      value = value && right;
    }
    return value;
  }

  // A parenthesis that holds a relation groups clauses; one that does not
  // belongs to the arithmetic of an operand.
  bool Term() {
    if (m_failed || AtEnd()) return Fail();
    if (Peek() == "(" && GroupHoldsRelation()) {
      ++m_pos;
      const bool value = Or();
      if (m_failed || AtEnd() || Peek() != ")") return Fail();
      ++m_pos;
      return value;
    }
    return Clause();
  }

  bool GroupHoldsRelation() const {
    int depth = 0;
    for (size_t i = m_pos; i < m_tokens.size(); ++i) {
      if (RelationOf(m_tokens[i])) return true;
      depth += Nesting(m_tokens[i]);
      if (depth <= 0) return false;
    }
    return false;
  }

  // What a word does to the parenthesis depth; a function's call keeps its
  // "(" inside the word.
  static int Nesting(const std::string& token) {
    int change = 0;
    for (const char c : token) change += c == '(' ? 1 : c == ')' ? -1 : 0;
    return change;
  }

  bool Clause() {
    const std::optional<std::string> left = OperandText();
    if (!left || AtEnd()) return Fail();
    const std::optional<Relation> relation = RelationOf(Peek());
    if (!relation) return Fail();
    ++m_pos;
    const std::optional<std::string> right = OperandText();
    if (!right) return Fail();
    return Compare(Read(*left), *relation, Read(*right));
  }

  // The words up to the next relation, logical word or closing parenthesis
  // of an enclosing group.
  std::optional<std::string> OperandText() {
    std::string text;
    int depth = 0;
    while (!AtEnd()) {
      const std::string& token = Peek();
      if (RelationOf(token) || IsLogical(token)) break;
      if (token == ")" && depth == 0) break;
      depth += Nesting(token);
      if (!text.empty()) text.push_back(' ');
      text += token;
      ++m_pos;
    }
    if (text.empty() || depth != 0) return std::nullopt;
    return text;
  }

  Operand Read(const std::string& text) {
    Operand operand;
    operand.text = ExpandLabelRefs(text, m_reader, true);
    const std::string_view value = Trimmed(operand.text);
    if (IsNumberText(value)) {
      NumberTexts numbers;
      const int32_t n = numbers.ParseNumberText(value);
      if (!numbers.m_overflow) {
        operand.scaled = n;
        operand.decimals = numbers.m_decimals;
        operand.number = static_cast<double>(n);
        for (int d = 0; d < operand.decimals; ++d) *operand.number /= 10.0;
        return operand;
      }
    }
    if (value.find_first_of("+-*/^($") != std::string_view::npos) {
      operand.number = EvaluateMathFormula(value, m_random);
    }
    return operand;
  }

  static bool Compare(const Operand& a, Relation relation, const Operand& b) {
    if (a.scaled && b.scaled && a.decimals <= 9 && b.decimals <= 9) {
      int64_t x = *a.scaled;
      int64_t y = *b.scaled;
      for (int d = a.decimals; d < b.decimals; ++d) x *= 10;
      for (int d = b.decimals; d < a.decimals; ++d) y *= 10;
      return Holds(relation, Order(x, y));
    }
    if (a.number && b.number) return Holds(relation, Order(*a.number, *b.number));
    return Holds(relation, Trimmed(a.text).compare(Trimmed(b.text)) < 0 ? -1
                           : Trimmed(a.text) == Trimmed(b.text)         ? 0
                                                                        : 1);
  }

  const std::vector<std::string>& m_tokens;
  LabelReader& m_reader;
  RandomSource& m_random;
  size_t m_pos = 0;
  bool m_failed = false;
};

// Words split at blanks and line breaks, with the parentheses at a word's
// ends standing alone.
std::vector<std::string> Tokens(const std::string& expression) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < expression.size()) {
    while (i < expression.size() && (expression[i] == ' ' || expression[i] == '\r' || expression[i] == '\n')) {
      ++i;
    }
    size_t end = i;
    while (end < expression.size() && expression[end] != ' ' && expression[end] != '\r' && expression[end] != '\n') {
      ++end;
    }
    std::string_view word(expression.data() + i, end - i);
    i = end;
    size_t closing = 0;
    while (!word.empty() && word.front() == '(') {
      tokens.emplace_back("(");
      word.remove_prefix(1);
    }
    while (!word.empty() && word.back() == ')') {
      ++closing;
      word.remove_suffix(1);
    }
    if (!word.empty()) tokens.emplace_back(word);
    tokens.insert(tokens.end(), closing, ")");
  }
  return tokens;
}

}  // namespace

ParsedCondition ParseCondition(const std::string& expression) {
  std::string normalized = expression;
  NormalizeExpression(normalized);
  ParsedCondition parsed;
  if (ExpressionProblem(normalized)) return parsed;
  parsed.tokens = Tokens(normalized);
  parsed.valid = !parsed.tokens.empty();
  return parsed;
}

bool EvaluateCondition(const ParsedCondition& parsed, LabelReader& reader, RandomSource& random) {
  return parsed.valid && ConditionParser(parsed.tokens, reader, random).Run();
}

bool EvaluateCondition(const std::string& expression, LabelReader& reader, RandomSource& random) {
  return EvaluateCondition(ParseCondition(expression), reader, random);
}

}  // namespace korvix
