#include "render/gauges/gauge_scale.h"

#include <algorithm>
#include <cmath>

#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr double kFullTurn = 360.0;
constexpr double kDialStart = 225.0;
constexpr double kDialSweep = 270.0;
constexpr double kMeterStart = 160.0;
constexpr double kMeterSweep = 140.0;
constexpr int kDualHandDigits = 10;
// Ten to the eighteenth still fits 64 bits; no text a gauge holds needs more.
constexpr int kMostPlaces = 18;

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::int64_t PowerOfTen(int places) {
  std::int64_t power = 1;
  for (int i = 0; i < std::min(places, kMostPlaces); ++i) power *= 10;
  return power;
}

// Only what the base's parser reads as a number, with at least one digit:
// the parsers give 0 for anything else, which must not become a position.
bool IsNumberIn(std::string_view text, int base) {
  std::string_view digits = "0123456789";
  std::string_view others = "-:.";
  if (base == kBaseHex) {
    digits = "0123456789abcdefABCDEF";
    others = "-";
  } else if (base == kBaseBin) {
    digits = "01";
    others = "-";
  }
  bool anydigit = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (digits.find(c) != std::string_view::npos) {
      anydigit = true;
    } else if (others.find(c) == std::string_view::npos || (base != kBaseDec && i > 0)) {
      return false;
    }
  }
  return anydigit;
}

std::optional<double> Number(std::string_view text) {
  const auto value = ParseGaugeText(text, kBaseDec, kMostPlaces / 2);
  if (!value) return std::nullopt;
  return static_cast<double>(*value) / static_cast<double>(PowerOfTen(kMostPlaces / 2));
}

double Wrapped(double degrees) {
  const double turned = std::fmod(degrees, kFullTurn);
  return turned < 0 ? turned + kFullTurn : turned;
}

int DecimalsOf(std::string_view text) {
  NumberTexts texts;
  texts.ParseNumberText(Trimmed(text));
  return texts.m_decimals;
}

std::string Label(const GaugeScale& scale, int labeldecimals, int tick, int count) {
  const double start = static_cast<double>(scale.start);
  const double end = static_cast<double>(scale.end);
  const double at = count > 1 ? start + (end - start) * tick / (count - 1) : start;
  if (scale.base != kBaseDec) {
    const auto whole = static_cast<std::int32_t>(std::llround(at / static_cast<double>(PowerOfTen(scale.decimals))));
    return scale.base == kBaseHex ? FormatHexText(whole) : FormatBinaryText(whole);
  }
  const double shift = static_cast<double>(PowerOfTen(labeldecimals)) / static_cast<double>(PowerOfTen(scale.decimals));
  return FormatNumberText(static_cast<std::int32_t>(std::llround(at * shift)), labeldecimals);
}

template <class Record>
GaugeScale ScaleOfRecord(const Record& record, int base) {
  GaugeScale scale;
  scale.base = base;
  scale.decimals = OffsetDecimals(record.offset);
  scale.start = ParseGaugeText(record.scalestart, base, scale.decimals).value_or(0);
  scale.end = ParseGaugeText(record.scaleend, base, scale.decimals).value_or(0);
  return scale;
}

template <class Record>
int LabelDecimals(const Record& record) {
  return std::max(DecimalsOf(record.scalestart), DecimalsOf(record.scaleend));
}

}  // namespace

std::optional<std::int64_t> ParseGaugeText(std::string_view text, int base, int decimals) {
  const std::string_view number = Trimmed(text);
  if (!IsNumberIn(number, base)) return std::nullopt;
  NumberTexts texts;
  std::int64_t value = 0;
  if (base == kBaseHex)
    value = texts.ParseHexText(number);
  else if (base == kBaseBin)
    value = texts.ParseBinaryText(number);
  else
    value = texts.ParseNumberText(number);
  if (texts.m_overflow) return std::nullopt;
  const int places = std::clamp(decimals, 0, kMostPlaces / 2);
  if (texts.m_decimals > places) return value / PowerOfTen(texts.m_decimals - places);
  return value * PowerOfTen(places - texts.m_decimals);
}

int OffsetDecimals(std::string_view offset) { return std::clamp(DecimalsOf(offset), 0, kMostPlaces / 2); }

double ScaleFraction(double value, double start, double end) {
  if (end == start) return 0.0;
  return std::clamp((value - start) / (end - start), 0.0, 1.0);
}

GaugeScale ScaleOf(const LevelGaugeRecord& record) { return ScaleOfRecord(record, record.outputbase); }

GaugeScale ScaleOf(const ScaleGaugeRecord& record) { return ScaleOfRecord(record, record.outputbase); }

std::optional<double> ScalePosition(const GaugeScale& scale, std::string_view valuetext) {
  const auto value = ParseGaugeText(valuetext, scale.base, scale.decimals);
  if (!value) return std::nullopt;
  return ScaleFraction(static_cast<double>(*value), static_cast<double>(scale.start), static_cast<double>(scale.end));
}

std::optional<double> WarningPosition(const ScaleGaugeRecord& record) {
  if (Trimmed(record.warnlevel).empty()) return std::nullopt;
  return ScalePosition(ScaleOf(record), record.warnlevel);
}

std::string TickLabel(const ScaleGaugeRecord& record, int tick, int count) {
  return Label(ScaleOf(record), LabelDecimals(record), tick, count);
}

std::string TickLabel(const LevelGaugeRecord& record, int tick, int count) {
  return Label(ScaleOf(record), LabelDecimals(record), tick, count);
}

double DialAngle(double fraction) { return kDialStart - kDialSweep * std::clamp(fraction, 0.0, 1.0); }

double MeterAngle(double fraction) { return kMeterStart - kMeterSweep * std::clamp(fraction, 0.0, 1.0); }

std::optional<HandBearings> DualHandBearings(const DualHandGaugeRecord& record, std::string_view valuetext) {
  const auto value = Number(valuetext);
  if (!value) return std::nullopt;
  const double factor = record.dialfactor > 0 ? record.dialfactor : 1;
  const double digitsteps = kFullTurn / kDualHandDigits;
  return HandBearings{Wrapped(*value / factor * digitsteps), Wrapped(*value / (factor * kDualHandDigits) * digitsteps)};
}

std::optional<double> WindVaneBearing(const WindVaneRecord& record, std::string_view valuetext) {
  const auto value = Number(valuetext);
  const auto zero = Number(record.zerodata);
  const auto full = Number(record.fulldata);
  if (!value || !zero || !full || *zero == *full) return std::nullopt;
  return Wrapped((*value - *zero) / (*full - *zero) * kFullTurn);
}

std::optional<double> BearingValue(std::string_view text) { return Number(text); }

std::optional<double> PivotArmBearing(std::string_view valuetext) {
  const auto value = Number(valuetext);
  if (!value) return std::nullopt;
  return Wrapped(*value);
}

}  // namespace korvix
