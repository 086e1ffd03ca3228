#include "properties/data_exchange.h"

#include <charconv>

namespace korvix {

namespace {

constexpr const char* kIntegerMessage = "Please enter an integer.";
constexpr const char* kPositiveIntegerMessage = "Please enter a positive integer.";
constexpr const char* kRangeMessage = "Please enter an integer between %1 and %2.";
constexpr const char* kLengthMessage = "Please enter no more than %1 characters.";

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string Fill(std::string message, std::string_view marker, int value) {
  message.replace(message.find(marker), marker.size(), std::to_string(value));
  return message;
}

}  // namespace

std::optional<int> ParseIntegerEntry(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<std::string> IntegerEntryProblem(std::string_view text) {
  if (!ParseIntegerEntry(text)) return kIntegerMessage;
  return std::nullopt;
}

std::optional<std::string> PositiveIntegerEntryProblem(std::string_view text) {
  if (TrimBlanks(text).starts_with('-') || !ParseIntegerEntry(text)) return kPositiveIntegerMessage;
  return std::nullopt;
}

std::optional<std::string> IntegerRangeProblem(std::string_view text, int minimum, int maximum) {
  const std::optional<int> value = ParseIntegerEntry(text);
  if (!value) return kIntegerMessage;
  if (*value < minimum || *value > maximum) return Fill(Fill(kRangeMessage, "%1", minimum), "%2", maximum);
  return std::nullopt;
}

std::optional<std::string> TextLengthProblem(std::string_view text, int limit) {
  if (static_cast<int>(text.size()) > limit) return Fill(kLengthMessage, "%1", limit);
  return std::nullopt;
}

}  // namespace korvix
