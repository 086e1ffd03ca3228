#include "properties/entry_validation.h"

#include <algorithm>
#include <string_view>
#include <unordered_set>

#include "expressions/brace_names.h"
#include "expressions/math_formula.h"
#include "properties/entry_report.h"
#include "properties/name_list.h"

namespace korvix {
namespace {

constexpr const char* kPossibleEntryErrorCaption = "Possible Entry Error";

constexpr const char* kNoLabelMessage = "Object must have an ID label.";
constexpr const char* kLabelPunctuationMessage =
    "ID label cannot contain commas, curly braces, \rparentheses, or relational operators.";
constexpr const char* kLabelHiddenBytesMessage =
    "ID label cannot contain tabs, line breaks, \rnon-breaking spaces or the character \xA2.";
constexpr const char* kReservedLabelMessage =
    "\" is reserved by Korvix as a global \rvariable and can not be used as an ID label.";
constexpr const char* kNumericLabelMessage = "ID label must contain at least one non-numerical character.";

constexpr const char* kBracesMessage = "Illegal use of the curly braces \"{ }\"";

constexpr const char* kPositiveIntegerMessage = "This field must be a positive integer.";
constexpr const char* kIntegerMessage = "This field must be an integer.";
constexpr const char* kTimeTextMessage = "This field must be a valid time such as \rSeconds, Hrs:Min, or Hrs:Min:Sec.";

constexpr const char* kRightParenthesisMessage =
    "The math formula contains a right-side parenthesis \")\" \rwithout an openning left-side "
    "parenthesis \"(\"";
constexpr const char* kLeftParenthesisMessage =
    "The math formula contains a left-side parenthesis \"(\" \rwithout a closing right-side "
    "parenthesis \")\"";
constexpr const char* kFormulaCharacters = "()^/*+-.0123456789\r\n";

constexpr const char* kTextWordSeparators = " \r\n";
// A label written bare between operators is still a bare label.
constexpr const char* kFormulaWordSeparators = " \r\n()^/*+-";

// A label's value read in a formula or text only through its braces; the
// plain word is the likeliest slip.
std::string FormulaLabelMessage(const std::string& word) {
  return "The math formula contains the ID label \"" + word +
         "\". \rIf intending to use the value of this object, enclose \rit in curly braces like "
         "this {" +
         word + "}.";
}

std::string TextLabelQuestion(const std::string& word) {
  return "Your text contains the ID label \"" + word +
         "\". \rIf intending to use the value of this object, \renclose it in curly braces like "
         "this {" +
         word + "}. \rDo you wish to go back and edit?";
}

std::string IllegalStringMessage(const std::string& word) {
  return "The math formula contains an illegal string: \"" + word + "\"";
}

std::string BareFunctionMessage(const std::string& word) {
  return "The math formula contains the function \rlabel " + word + " without a subsequent \"( )\".";
}

char FoldUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
char FoldLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

void EraseAll(std::string& text, std::string_view bytes) {
  text.erase(
      std::remove_if(text.begin(), text.end(), [bytes](char c) { return bytes.find(c) != std::string_view::npos; }),
      text.end());
}

bool IsHiddenByte(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 32 || byte == 0xA0 || byte == 0xA2;
}

// The entry lines of an upper-cased name list, as a set of names, so that
// each word costs one look-up however long the list is. A word matches
// TAB + word + 0xA2 exactly when some line ends in it after its last TAB;
// words that hold a TAB or 0xA2 themselves are searched for in the text.
class UpperNameIndex {
public:
  explicit UpperNameIndex(const std::string& namelist) : m_list(namelist) {
    std::transform(m_list.begin(), m_list.end(), m_list.begin(), FoldUpper);
    const std::string_view list(m_list);
    size_t start = 0;
    for (size_t end = list.find(kNameListLineEnd); end != std::string_view::npos;
         end = list.find(kNameListLineEnd, start)) {
      const std::string_view line = list.substr(start, end - start);
      const size_t tab = line.rfind(kNameListEntryStart);
      if (tab != std::string_view::npos) m_names.insert(line.substr(tab + 1));
      start = end + 1;
    }
  }

  bool Contains(const std::string& upperword) const {
    if (upperword.find_first_of(std::string{kNameListEntryStart, kNameListLineEnd}) == std::string::npos) {
      return m_names.count(upperword) > 0;
    }
    return m_list.find(kNameListEntryStart + upperword + kNameListLineEnd) != std::string::npos;
  }

private:
  std::string m_list;
  std::unordered_set<std::string_view> m_names;
};

// Blanks go first, then each "{" up to the next "}" after it; a "{" with
// no "}" after it stays for the character test to refuse.
std::string WithoutReferences(std::string text) {
  EraseAll(text, " ");
  for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open)) {
    const size_t close = text.find('}', open);
    if (close == std::string::npos) break;
    text.erase(open, close - open + 1);
  }
  return text;
}

std::optional<std::string> NumberProblem(std::string text, std::string_view allowed, const char* message) {
  if (WithoutReferences(std::move(text)).find_first_not_of(allowed) != std::string::npos) {
    return message;
  }
  return std::nullopt;
}

std::optional<std::string> BraceLoopProblem(std::string& text) { return BraceProblem(text, "", kBracesMessage); }

int Report(MessageSink& sink, const std::optional<std::string>& problem) {
  return ReportEntryProblem(sink, problem) ? 1 : 0;
}

}  // namespace

std::optional<std::string> IdLabelProblem(std::string label) {
  EraseAll(label, " ");
  if (label.empty()) return kNoLabelMessage;
  if (label.find_first_of("{}()><=,") != std::string::npos) return kLabelPunctuationMessage;
  if (std::any_of(label.begin(), label.end(), IsHiddenByte)) return kLabelHiddenBytesMessage;
  std::string folded = label;
  std::transform(folded.begin(), folded.end(), folded.begin(), FoldLower);
  for (const char* reserved : kGlobalVariableNames) {
    if (folded == reserved) return "\"" + folded + kReservedLabelMessage;
  }
  EraseAll(label, "0123456789+-*/");
  if (label.empty()) return kNumericLabelMessage;
  return std::nullopt;
}

int CheckIdLabel(MessageSink& sink, const std::string& label) { return Report(sink, IdLabelProblem(label)); }

std::vector<std::string> UnbracedLabels(const std::string& text, const std::string& namelist, bool isformula) {
  const char* const separators = isformula ? kFormulaWordSeparators : kTextWordSeparators;
  std::vector<std::string> found;
  std::optional<UpperNameIndex> index;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find_first_of(separators, start), text.size());
    const std::string word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (!index) index.emplace(namelist);
    std::string upper = word;
    std::transform(upper.begin(), upper.end(), upper.begin(), FoldUpper);
    if (index->Contains(upper)) found.push_back(word);
  }
  return found;
}

int WarnUnbracedLabels(MessageSink& sink, const std::string& text, const std::string& namelist, bool isformula) {
  for (const std::string& word : UnbracedLabels(text, namelist, isformula)) {
    if (isformula) {
      sink.Show(kEntryErrorCaption, FormulaLabelMessage(word), MessageIcon::Exclamation);
      return 0;
    }
    if (sink.Show(kPossibleEntryErrorCaption, TextLabelQuestion(word), MessageIcon::Exclamation,
                  MessageButtons::YesNo) == MessageResult::Yes) {
      return 0;
    }
  }
  return 1;
}

std::optional<std::string> BraceNamesProblem(std::string text) { return BraceLoopProblem(text); }

int CheckBraceNames(MessageSink& sink, const std::string& text) { return Report(sink, BraceNamesProblem(text)); }

std::optional<std::string> PositiveIntegerProblem(std::string text) {
  return NumberProblem(std::move(text), "0123456789", kPositiveIntegerMessage);
}

int CheckPositiveInteger(MessageSink& sink, const std::string& text) {
  return Report(sink, PositiveIntegerProblem(text));
}

std::optional<std::string> IntegerProblem(std::string text) {
  return NumberProblem(std::move(text), "-.0123456789", kIntegerMessage);
}

int CheckInteger(MessageSink& sink, const std::string& text) { return Report(sink, IntegerProblem(text)); }

std::optional<std::string> TimeTextProblem(std::string text) {
  text = WithoutReferences(std::move(text));
  if (text.find_first_not_of(":0123456789") != std::string::npos) return kTimeTextMessage;
  if (!text.empty() && text.front() == ':') return kTimeTextMessage;
  // Seconds and then minutes come off the end, each as a colon and two digits.
  for (int cut = 0; cut < 2; ++cut) {
    const size_t colon = text.rfind(':');
    if (colon == std::string::npos) break;
    if (colon + 3 != text.size()) return kTimeTextMessage;
    text.erase(colon);
  }
  if (text.find(':') != std::string::npos) return kTimeTextMessage;
  return std::nullopt;
}

int CheckTimeText(MessageSink& sink, const std::string& text) { return Report(sink, TimeTextProblem(text)); }

std::optional<std::string> MathFormulaProblem(const std::string& formula, const std::string& namelist) {
  const std::vector<std::string> unbraced = UnbracedLabels(formula, namelist, true);
  if (!unbraced.empty()) return FormulaLabelMessage(unbraced.front());

  std::string text = formula;
  if (std::optional<std::string> problem = BraceLoopProblem(text)) return problem;

  int depth = 0;
  for (const char c : text) {
    if (c == '(') ++depth;
    if (c == ')' && --depth < 0) return kRightParenthesisMessage;
  }
  if (depth > 0) return kLeftParenthesisMessage;

  EraseAll(text, " ");
  const std::string_view allowed(kFormulaCharacters);
  size_t pos = 0;
  while ((pos = text.find_first_not_of(allowed, pos)) != std::string::npos) {
    const size_t end = std::min(text.find_first_of(allowed, pos), text.size());
    const std::string word = text.substr(pos, end - pos);
    if (std::find(kMathFunctions.begin(), kMathFunctions.end(), std::string_view(word)) == kMathFunctions.end()) {
      return IllegalStringMessage(word);
    }
    if (end == text.size() || text[end] != '(') return BareFunctionMessage(word);
    pos = end;
  }
  return std::nullopt;
}

int CheckMathFormula(MessageSink& sink, const std::string& formula, const std::string& namelist) {
  return Report(sink, MathFormulaProblem(formula, namelist));
}

}  // namespace korvix
