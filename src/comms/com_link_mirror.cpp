#include <cmath>
#include <optional>

#include "comms/com_link.h"

namespace korvix {

namespace {

const char kErrorValue[] = "Error";
const char kSliderErrorTitle[] = "Slider Control Error";
const char kSliderErrorHead[] = "The Slider Control ";
const char kSliderErrorTail[] = " has been set \routside of its range and will not operate.";

constexpr int kDecimalFormat = 0;
constexpr int kHexFormat = 1;
constexpr int kBinaryFormat = 2;
constexpr int kRockerWithoutValue = 2;

// The value a sent text gives a control whose own command is `command`, when
// the text is that command followed by a value other than the current one.
std::optional<std::string> SentValue(const std::string& sent, const std::string& command, const std::string& current,
                                     int valuetype, bool zeropadding, const std::string& limit1,
                                     const std::string& limit2) {
  if (command.empty() || sent.size() <= command.size()) return std::nullopt;
  if (sent.compare(0, command.size(), command) != 0) return std::nullopt;
  std::string value = sent.substr(command.size());
  if (zeropadding && valuetype == kDecimalFormat) value = PadNumberText(value, limit1, limit2);
  if (value == current) return std::nullopt;
  return value;
}

// The value of a number text in the control's base, or none when it does
// not fit. Decimals count, so that "12.5" lies between 12 and 13.
std::optional<double> ValueOf(NumberTexts& numbers, int valuetype, const std::string& text) {
  numbers.m_overflow = 0;
  int32_t n = 0;
  int decimals = 0;
  if (valuetype == kHexFormat) {
    n = numbers.ParseHexText(text);
  } else if (valuetype == kBinaryFormat) {
    n = numbers.ParseBinaryText(text);
  } else {
    n = numbers.ParseNumberText(text);
    decimals = numbers.m_decimals;
  }
  if (numbers.m_overflow) return std::nullopt;
  return n / std::pow(10.0, decimals);
}

}  // namespace

void ComLink::MirrorSentSliderValue(const std::string& sent) {
  const int sliders = m_mirrors.SliderControlCount();
  for (int i = 0; i < sliders; ++i) {
    const SliderMirror slider = m_mirrors.GetSliderControl(i);
    std::optional<std::string> value = SentValue(sent, slider.command, slider.valuetext, slider.valuetype,
                                                 slider.zeropadding, slider.topvalue, slider.bottomvalue);
    if (!value) continue;
    const std::optional<double> v = ValueOf(m_numbers, slider.valuetype, *value);
    const std::optional<double> top = ValueOf(m_numbers, slider.valuetype, slider.topvalue);
    const std::optional<double> bottom = ValueOf(m_numbers, slider.valuetype, slider.bottomvalue);
    const bool inside = v && top && bottom && *v >= std::min(*top, *bottom) && *v <= std::max(*top, *bottom);
    if (!inside) {
      *value = kErrorValue;
      m_popups.ShowPopupBox(kSliderErrorTitle, kSliderErrorHead + slider.idlabel + kSliderErrorTail);
    }
    m_mirrors.SetSliderValueText(i, *value);
    if (slider.valuetype == kDecimalFormat && slider.link.empty()) m_mirrors.SetModifiedFlag();
    m_labels.DeliverLabelValue(m_labels.ExpandLabelRefs(slider.link), *value);
    if (slider.oncurrentpage) m_mirrors.InvalidateSliderControl(i);
  }

  const int rockers = m_mirrors.RockerSwitchCount();
  for (int i = 0; i < rockers; ++i) {
    RockerMirror rocker = m_mirrors.GetRockerSwitch(i);
    if (rocker.initmode == kRockerWithoutValue) continue;
    for (const std::string* command : {&rocker.command1, &rocker.command2}) {
      const std::optional<std::string> value = SentValue(sent, *command, rocker.statetext, rocker.valuetype,
                                                         rocker.zeropadding, rocker.uplimit, rocker.downlimit);
      if (!value) continue;
      rocker.statetext = *value;
      m_mirrors.SetRockerStateText(i, *value);
      if (rocker.valuetype == kDecimalFormat && rocker.link.empty()) m_mirrors.SetModifiedFlag();
      m_labels.DeliverLabelValue(m_labels.ExpandLabelRefs(rocker.link), *value);
      if (rocker.oncurrentpage) m_mirrors.InvalidateRockerSwitch(i);
    }
  }
}

}  // namespace korvix
