#include "expressions/expression_syntax.h"

#include <algorithm>
#include <string_view>

#include "expressions/brace_names.h"

namespace korvix {
namespace {

constexpr const char* kBracesMessage = "Illegal use of the curly braces { } ";
constexpr const char* kRightParenthesisMessage =
    "The expression contains a right-side parenthesis \rwithout an openning left-side "
    "parenthesis.";
constexpr const char* kLeftParenthesisMessage =
    "The expression contains a left-side parenthesis \rwithout a closing right-side "
    "parenthesis.";
constexpr const char* kCommaMessage = "An expression cannot contain a comma.";
constexpr const char* kImpliedIfMessage =
    "The \"IF\" portion of this expression is implied and should \rnot be included in the text "
    "string which is entered here.";
constexpr const char* kLeftOperandMessage = "The expression is missing a left-side operand.";
constexpr const char* kRelationalMessage = "The expression is missing a relational operator.";
constexpr const char* kRightOperandMessage = "The expression is missing a right-side operand.";
constexpr const char* kTwoRelationalsMessage =
    "The expression contains two or more relational \roperators without a connecting logical "
    "operator.";

// Every occurrence, scanning left to right without overlaps.
void ReplaceAll(std::string& text, std::string_view from, std::string_view to) {
  size_t pos = 0;
  while ((pos = text.find(from, pos)) != std::string::npos) {
    text.replace(pos, from.size(), to);
    pos += to.size();
  }
}

void TrimBlanks(std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) {
    text.clear();
    return;
  }
  text.erase(0, first);
  text.erase(text.find_last_not_of(' ') + 1);
}

}  // namespace

void NormalizeExpression(std::string& expression) {
  struct Spelling {
    const char* from;
    const char* to;
  };
  static constexpr Spelling kSpellings[] = {{"and", "AND"}, {"And", "AND"}, {"or", "OR"},
                                            {"Or", "OR"},   {"xor", "XOR"}, {"Xor", "XOR"}};
  for (const Spelling& s : kSpellings) {
    for (const char before : {' ', '\n'}) {
      for (const char after : {' ', '\r'}) {
        ReplaceAll(expression, std::string(1, before) + s.from + after, std::string(1, before) + s.to + after);
      }
    }
  }
  ReplaceAll(expression, ">", " > ");
  ReplaceAll(expression, "<", " < ");
  ReplaceAll(expression, "=", " = ");
  while (expression.find("  ") != std::string::npos) ReplaceAll(expression, "  ", " ");
  ReplaceAll(expression, "> =", ">=");
  ReplaceAll(expression, "< =", "<=");
  ReplaceAll(expression, "< >", "<>");
  expression.erase(0, expression.find_first_not_of(' ') == std::string::npos ? expression.size()
                                                                             : expression.find_first_not_of(' '));
  ReplaceAll(expression, "\n ", "\n");
  ReplaceAll(expression, " \r", "\r");
  expression.erase(expression.find_last_not_of(' ') + 1);
}

void ClassifyToken(size_t& pos, std::string& token, const std::string& expression) {
  std::string word;
  while (pos < expression.size() && expression[pos] != ' ') word.push_back(expression[pos++]);
  while (pos < expression.size() && expression[pos] == ' ') ++pos;
  if (word.empty()) {
    token.clear();
  } else if (word == "AND" || word == "OR" || word == "XOR") {
    token = "logical";
  } else if (word.size() == 1 && word[0] == kRelationalMarker) {
    token = "relational";
  } else {
    token = "operand";
  }
}

std::optional<std::string> ExpressionProblem(std::string text) {
  std::replace(text.begin(), text.end(), '\r', ' ');
  std::replace(text.begin(), text.end(), '\n', ' ');

  if (std::optional<std::string> problem = BraceProblem(text, "0", kBracesMessage)) return problem;

  int depth = 0;
  for (const char c : text) {
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return kRightParenthesisMessage;
  }
  if (depth > 0) return kLeftParenthesisMessage;

  text = " " + text + " ";
  const std::string marker = std::string(" ") + kRelationalMarker + " ";
  for (const char* op : {" > ", " >= ", " < ", " <= ", " = ", " <> "}) ReplaceAll(text, op, marker);
  if (text.find(',') != std::string::npos) return kCommaMessage;
  TrimBlanks(text);
  if (text.empty()) return std::nullopt;
  const std::string_view head = std::string_view(text).substr(0, 3);
  if (head == "if " || head == "If " || head == "IF " || head == "iF ") return kImpliedIfMessage;

  size_t pos = 0;
  std::string token;
  for (;;) {
    ClassifyToken(pos, token, text);
    if (token != "operand") return kLeftOperandMessage;
    do ClassifyToken(pos, token, text);
    while (token == "operand");
    if (token != "relational") return kRelationalMessage;
    ClassifyToken(pos, token, text);
    if (token != "operand") return kRightOperandMessage;
    do ClassifyToken(pos, token, text);
    while (token == "operand");
    if (token.empty()) return std::nullopt;
    if (token != "logical") return kTwoRelationalsMessage;
  }
}

int CheckExpression(MessageSink& sink, const std::string& expression) {
  const std::optional<std::string> problem = ExpressionProblem(expression);
  if (!problem) return 1;
  sink.Show(kEntryErrorCaption, *problem, MessageIcon::Exclamation);
  return 0;
}

}  // namespace korvix
