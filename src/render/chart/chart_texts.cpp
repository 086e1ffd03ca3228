#include "render/chart/chart_texts.h"

#include <cmath>
#include <string>

#include "texts/number_texts.h"

namespace korvix {

namespace {
constexpr int kTextTenthsPerSize = 4;
constexpr double kTitleTenthsPerSize = 3.8;
}  // namespace

Font ChartTextFont(const ChartRecorderRecord& r, const ViewState& view) {
  return Font{std::string(kFaceTimesNewRoman), r.sizecode * kTextTenthsPerSize * view.m_fontfactor};
}

Font ChartTitleFont(const ChartRecorderRecord& r, const ViewState& view) {
  return Font{std::string(kFaceTimesNewRoman), static_cast<int>(view.m_fontfactor * r.sizecode * kTitleTenthsPerSize)};
}

Font ChartValueFont(const ChartRecorderRecord& r, const ViewState& view) {
  return Font{std::string(kFaceArialUnicode), r.sizecode * kTextTenthsPerSize * view.m_fontfactor};
}

double HundredthsOf(std::string_view text) {
  NumberTexts texts;
  const double n = texts.ParseNumberText(text);
  return n * std::pow(10.0, 2 - texts.m_decimals);
}

}  // namespace korvix
