#include "properties/shared_checks.h"

#include <charconv>

#include "texts/label_texts.h"

namespace korvix {

namespace {

constexpr const char* kIllegalCharacterMessage = "This field contains an illegal character.";
constexpr const char* kDecimalPointMessage = "This field cannot contain a decimal point.";
constexpr const char* kMultiplierZeroMessage = "The Multiplier can not equal zero.";
constexpr const char* kNoVariablesMessage = "This field does not support variables.";

// The value of the number that the text begins with, 0 when it begins with
// none; never the locale's decimal separator.
double LeadingValue(std::string_view text) {
  double value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

std::string TrimEnds(std::string_view text, std::string_view cut) {
  const auto first = text.find_first_not_of(cut);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(cut) - first + 1));
}

}  // namespace

std::optional<std::string> CharacterSetProblem(std::string_view text, std::string_view allowed, bool wholenumber) {
  if (text.find_first_not_of(allowed) != std::string_view::npos) return kIllegalCharacterMessage;
  if (wholenumber && text.find('.') != std::string_view::npos) return kDecimalPointMessage;
  return std::nullopt;
}

std::optional<std::string> NumberTextProblem(std::string_view text) {
  return CharacterSetProblem(text, kNumberCharacters);
}

std::optional<std::string> MultiplierProblem(std::string_view text) {
  if (auto problem = NumberTextProblem(text)) return problem;
  if (LeadingValue(text) == 0) return kMultiplierZeroMessage;
  return std::nullopt;
}

std::optional<std::string> VariablesProblem(std::string_view text) {
  if (text.find_first_of("{}") != std::string_view::npos) return kNoVariablesMessage;
  return std::nullopt;
}

std::optional<std::string> OwnLabelProblem(std::string_view target, std::string_view ownlabel,
                                           std::string_view message) {
  if (LabelsEqual(target, ownlabel)) return std::string(message);
  return std::nullopt;
}

std::string TrimEntry(std::string_view text) { return TrimEnds(text, " "); }

std::string TrimWhiteSpace(std::string_view text) { return TrimEnds(text, " \t\r\n"); }

}  // namespace korvix
