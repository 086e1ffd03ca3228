#include "values/value_refresh.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "expressions/label_refs.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

constexpr int kMaxDecimals = 9;

bool PassesUnchanged(std::string_view text) { return text.empty() || text == kErrorText || text == kOverflowText; }

struct Scaled {
  double value = 0;
  int decimals = 0;
};

// A number text as written in a field; an empty or unreadable field gives
// `fallback`.
Scaled FieldNumber(std::string_view field, double fallback) {
  NumberTexts numbers;
  const std::optional<std::string> clean = CleanNumericText(field);
  if (!clean) return {fallback, 0};
  const int32_t n = numbers.ParseNumberText(*clean);
  if (numbers.m_overflow) return {fallback, 0};
  return {n / std::pow(10.0, numbers.m_decimals), numbers.m_decimals};
}

// Decimals that a multiplier adds: "1.000" none, "0.25" two.
int SignificantDecimals(std::string_view multiplier) {
  const size_t point = multiplier.find('.');
  if (point == std::string_view::npos) return 0;
  std::string_view after = multiplier.substr(point + 1);
  while (!after.empty() && after.back() == '0') after.remove_suffix(1);
  return static_cast<int>(after.size());
}

// The value of a text in a number base; no value without a digit.
std::optional<Scaled> ReadInBase(std::string_view text, int base) {
  const NumberFormat format = base == 1 ? NumberFormat::Hex : base == 2 ? NumberFormat::Binary : NumberFormat::Decimal;
  std::optional<std::string> clean = CleanNumericText(text, format);
  if (!clean) return std::nullopt;
  NumberTexts numbers;
  int32_t n = 0;
  if (format == NumberFormat::Decimal) {
    n = numbers.ParseNumberText(*clean);
  } else {
    clean->erase(std::min(clean->find('.'), clean->size()));
    if (clean->empty() || *clean == "-") return std::nullopt;
    n = format == NumberFormat::Hex ? numbers.ParseHexText(*clean) : numbers.ParseBinaryText(*clean);
  }
  if (numbers.m_overflow) return Scaled{HUGE_VAL, 0};
  return Scaled{n / std::pow(10.0, numbers.m_decimals), numbers.m_decimals};
}

std::string InOutputBase(const std::string& decimal, int base) {
  if (base != 1 && base != 2) return decimal;
  NumberTexts numbers;
  const int32_t n = numbers.ParseNumberText(decimal);
  return base == 1 ? FormatHexText(n, numbers.m_decimals) : FormatBinaryText(n, numbers.m_decimals);
}

}  // namespace

char ModuleAddressOf(std::string_view command) {
  if (command.empty()) return 0;
  const char c = command.front();
  return (c >= 'A' && c <= 'P') || (c >= 'a' && c <= 'p') ? c : 0;
}

std::string FormatValue(double value, int decimals) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  const double scaled = std::round(value * std::pow(10.0, decimals));
  if (!std::isfinite(scaled) || std::fabs(scaled) > 2147483647.0) return kOverflowText;
  return FormatNumberText(static_cast<int32_t>(scaled), decimals);
}

void ValueRefresher::Refresh(std::string& valuetext, const ValueConversion& conversion) {
  if (PassesUnchanged(valuetext)) return;
  std::string_view text = valuetext;
  if (conversion.address != 0 && text.front() == conversion.address) text.remove_prefix(1);
  const std::optional<Scaled> read = ReadInBase(text, conversion.inputbase);
  if (!read) {
    valuetext = kErrorText;
    return;
  }
  if (!std::isfinite(read->value)) {
    valuetext = kOverflowText;
    return;
  }
  double value = read->value;
  if (!conversion.lookuptable.empty()) {
    const std::optional<double> mapped = m_lookups.Lookup(ExpandLabelRefs(conversion.lookuptable, m_reader), value);
    if (!mapped) {
      valuetext = kErrorText;
      return;
    }
    value = *mapped;
  }
  const Scaled offset = FieldNumber(conversion.offset, 0.0);
  value = value * FieldNumber(conversion.multiplier, 1.0).value + offset.value;
  const int decimals = std::max(offset.decimals, read->decimals + SignificantDecimals(conversion.multiplier));
  valuetext = FormatValue(value, decimals);
  if (valuetext == kOverflowText) return;
  // Written as shown while the formula runs, since reading the label converts
  // the shown base back.
  valuetext = InOutputBase(valuetext, conversion.outputbase);
  if (conversion.formula.empty()) return;
  const std::string formula = ExpandLabelRefs(conversion.formula, m_reader, true);
  const std::optional<double> result = EvaluateMathFormula(formula, m_random);
  if (!result) {
    valuetext = kErrorText;
    return;
  }
  valuetext = FormatValue(*result, decimals);
  if (valuetext != kOverflowText) valuetext = InOutputBase(valuetext, conversion.outputbase);
}

int DurationFormatOf(int decimals) {
  return decimals <= 0   ? static_cast<int>(TimeFormat::HMmSs)
         : decimals == 1 ? static_cast<int>(TimeFormat::HMmSsD)
                         : static_cast<int>(TimeFormat::HMmSsDd);
}

void RefreshVariableText(VariableRecord& variable) {
  if (variable.valueformat == kVariableText || PassesUnchanged(variable.valuetext)) return;
  if (variable.valueformat == kVariableTimer) {
    NumberTexts numbers;
    const int32_t ms = numbers.ParseMilliText(variable.valuetext);
    variable.valuetext = numbers.m_overflow ? kOverflowText : FormatDuration(ms, DurationFormatOf(variable.decimals));
    return;
  }
  const std::optional<Scaled> read = ReadInBase(variable.valuetext, 0);
  if (!read) {
    variable.valuetext = kErrorText;
    return;
  }
  if (!std::isfinite(read->value)) {
    variable.valuetext = kOverflowText;
    return;
  }
  variable.valuetext = FormatValue(read->value, variable.valueformat == kVariableCounter ? 0 : variable.decimals);
}

}  // namespace korvix
