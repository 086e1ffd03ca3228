#include "render/chart/chart_steps.h"

#include <algorithm>
#include <cstdint>

#include "texts/number_texts.h"

namespace korvix {

namespace {

constexpr int kMinTimeSpan = 10;
constexpr int64_t kTopScaledDivision = 100000;
constexpr int kCursor1Percent = 35;
constexpr int kCursor2Percent = 65;

double StepFraction(int pixels) { return pixels * 0.002; }
int AtLeastOnePixel(int extent) { return std::max(extent - 1, 1); }
int AtLeastOneDivision(int divisions) { return std::max(divisions, 1); }

int DigitCount(const std::string& text) {
  return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }));
}

int64_t PowerOfTen(int exponent) {
  int64_t p = 1;
  for (int i = 0; i < exponent; ++i) p *= 10;
  return p;
}

}  // namespace

int TimeDivTenths(std::string_view timediv) {
  NumberTexts texts;
  int64_t n = texts.ParseNumberText(timediv);
  int decimals = texts.m_decimals;
  for (; decimals > 1; --decimals) n /= 10;
  if (decimals == 0) n *= 10;
  return static_cast<int>(std::clamp<int64_t>(n, 1, INT32_MAX));
}

int ChartPlotTimeSpan(const ChartRecorderRecord& r, const Rect& plot) {
  const int pw = Width(plot);
  const double pixelsperhundredth = AtLeastOnePixel(pw) / (AtLeastOneDivision(r.hdivisions) * 100.0);
  const double span = TimeDivTenths(r.timediv) / pixelsperhundredth * StepFraction(pw);
  return static_cast<int>(std::clamp(span, static_cast<double>(kMinTimeSpan), 2e9));
}

int ChartPlotValueSpan(const ChartRecorderRecord& r, const Rect& plot) {
  const int pw = Width(plot);
  const double u = AtLeastOnePixel(Height(plot)) / (AtLeastOneDivision(r.vdivisions) * 100.0);
  double f = u;
  if (r.cursorunits != 0) {
    f = 1.0 / u;
  } else if (r.cursortime != 0) {
    f = AtLeastOneDivision(r.hdivisions) * 100.0 / AtLeastOnePixel(pw);
  }
  return static_cast<int>(std::clamp(f * StepFraction(pw), 1.0, 2e9));
}

int ChartPlotHeightSpan(const ChartRecorderRecord& r, const Rect& plot) {
  const double f = AtLeastOneDivision(r.vdivisions) * 100.0 / AtLeastOnePixel(Height(plot));
  return static_cast<int>(std::clamp(f * StepFraction(Width(plot)), 1.0, 2e9));
}

void PlaceChartCursors(ChartRecorderRecord& r, int divisions) {
  r.cursor1 = FormatNumberText(divisions * kCursor1Percent, 2);
  r.cursor2 = FormatNumberText(divisions * kCursor2Percent, 2);
  r.delta = FormatNumberText(divisions * (kCursor2Percent - kCursor1Percent), 2);
}

std::string StepDivisionValue(std::string_view text, int direction, double& holdspeed) {
  NumberTexts texts;
  int64_t n = texts.ParseNumberText(text);
  int decimals = texts.m_decimals;
  if ((direction > 0 && n == kTopScaledDivision) || (direction < 0 && n == 1)) return std::string(text);
  std::string digits(text);
  std::erase(digits, '.');
  const int e = std::max(static_cast<int>(digits.size()) - 3, 0);
  // Longer texts cannot be stepped within the scaled range.
  if (e > 9) return std::string(text);

  if (holdspeed >= 100 && digits.size() >= 3 && digits[2] == '0') {
    std::string result(text);
    for (int i = 0; i < 10; ++i) {
      holdspeed = 99;
      result = StepDivisionValue(result, direction, holdspeed);
    }
    return result;
  }

  const int64_t step = PowerOfTen(e);
  if (direction > 0) {
    n += step;
    if (n > INT32_MAX) return std::string(text);
    if (DigitCount(FormatNumberText(static_cast<int32_t>(n), decimals)) > 3 && decimals >= 1) {
      n /= 10;
      --decimals;
    }
  } else {
    n -= step;
    if (n < -INT32_MAX) return std::string(text);
    const std::string stepped = FormatNumberText(static_cast<int32_t>(n), decimals);
    if (DigitCount(stepped) < 3 && decimals < 2) {
      ++decimals;
      n = 10 * n + 9;
    } else if (static_cast<int>(stepped.size()) - (decimals > 0 ? 1 : 0) < static_cast<int>(text.size())) {
      n = static_cast<int64_t>(9.0 * static_cast<double>(PowerOfTen(e)) / 10.0 + static_cast<double>(n));
    }
  }
  holdspeed += 1;
  return FormatNumberText(static_cast<int32_t>(n), decimals);
}

}  // namespace korvix
