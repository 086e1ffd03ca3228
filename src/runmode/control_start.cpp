#include "runmode/control_start.h"

#include "render/controls/slider_knob.h"

namespace korvix {
namespace {

constexpr const char* kErrorValue = "Error";
constexpr uint32_t kStartWaitMs = 100;
constexpr const char* kRockerFailStart = "The Rocker Switch ";
constexpr const char* kSliderFailStart = "The Slider Control ";
constexpr const char* kFailEnd = " could not \rbe initialized and will not operate.";
constexpr const char* kRockerCaption = "Rocker Switch Error";
constexpr const char* kSliderCaption = "Slider Control Error";

}  // namespace

bool ControlStart::SendWithRetry(const std::string& command) {
  const std::string text = m_values.ExpandLabelRefs(command);
  if (m_link.TransmitCommand(text) == 1) return true;
  m_link.WaitForReply(kStartWaitMs, text);
  return m_link.TransmitCommand(text) == 1;
}

std::string ControlStart::StartValue(int initmode, const std::string& startvalue, const std::string& sendprefix,
                                     const std::string& getcommand, int valuetype) {
  if (initmode == 2) return {};
  if (initmode == 0) {
    if (!SliderNumber(startvalue, valuetype)) return kErrorValue;
    // A control without a command only shows its value.
    if (sendprefix.empty()) return startvalue;
    return SendWithRetry(sendprefix + startvalue) ? startvalue : std::string(kErrorValue);
  }
  const std::string command = m_values.ExpandLabelRefs(getcommand);
  if (command.empty() || m_link.TransmitCommand(command) != 1) return kErrorValue;
  m_link.WaitForReply(kStartWaitMs, command);
  std::string& buffer = m_link.m_rxbuffer;
  const size_t cr = buffer.find('\r');
  const std::string line = buffer.substr(0, cr);
  buffer.erase(0, cr == std::string::npos ? buffer.size() : cr + 1);
  if (line.empty() || line.front() != command.front()) return kErrorValue;
  const std::string value = line.substr(1);
  return SliderNumber(value, valuetype) ? value : std::string(kErrorValue);
}

void ControlStart::StartControls() {
  for (int i = 0; i < m_doc.m_rockerswitches.Count(); ++i) {
    RockerSwitchRecord& rocker = m_doc.m_rockerswitches[i];
    rocker.valuetext =
        StartValue(rocker.initmode, rocker.startvalue, rocker.upprefix, rocker.getcommand, rocker.valuetype);
    if (rocker.valuetext == kErrorValue) {
      m_sink.Show(kRockerCaption, kRockerFailStart + rocker.title + kFailEnd, MessageIcon::Exclamation);
    }
  }
  for (int i = 0; i < m_doc.m_slidercontrols.Count(); ++i) {
    SliderControlRecord& slider = m_doc.m_slidercontrols[i];
    slider.valuetext =
        StartValue(slider.initmode, slider.startvalue, slider.sendprefix, slider.getcommand, slider.valuetype);
    if (slider.valuetext == kErrorValue) {
      m_sink.Show(kSliderCaption, kSliderFailStart + slider.title + kFailEnd, MessageIcon::Exclamation);
    }
    m_values.DeliverLabelValue(slider.sendvalueto, slider.valuetext);
  }
}

}  // namespace korvix
