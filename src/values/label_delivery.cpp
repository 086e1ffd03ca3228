#include <optional>

#include "expressions/label_refs.h"
#include "texts/label_texts.h"
#include "texts/number_texts.h"
#include "values/label_values.h"

namespace korvix {
namespace {

std::string Trimmed(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool IsSpecial(const std::string& value) { return value == kErrorText || value == kOverflowText; }

std::string CleanedOrError(const std::string& value) {
  const std::optional<std::string> clean = CleanNumericText(value);
  return clean ? *clean : std::string(kErrorText);
}

template <class Record>
ValueConversion ConversionOf(const Record& r) {
  ValueConversion c;
  if constexpr (requires { r.inputbase; }) c.inputbase = r.inputbase;
  if constexpr (requires { r.outputbase; }) c.outputbase = r.outputbase;
  c.multiplier = r.multiplier;
  c.offset = r.offset;
  c.lookuptable = r.lookuptable;
  c.formula = r.formula;
  c.address = ModuleAddressOf(r.pollcommand);
  return c;
}

class DepthGuard {
public:
  explicit DepthGuard(int& depth) : m_depth(++depth) {}
  ~DepthGuard() { --m_depth; }
  DepthGuard(const DepthGuard&) = delete;
  DepthGuard& operator=(const DepthGuard&) = delete;

private:
  int& m_depth;
};

}  // namespace

void LabelValues::DeliverLabelValue(const std::string& label, const std::string& value) {
  if (label.empty()) return;
  if (m_depth >= kMaxDeliveryDepth) {
    ++m_cuts;
    return;
  }
  DepthGuard guard(m_depth);
  if (!value.empty() && (LabelsEqual(label, "Conditional") || LabelsEqual(label, "Conditionals"))) {
    DeliverTrigger(value);
    return;
  }
  StoreByLabel(label, value);
  m_actions.SetButtonArrayAction(label, value);
  m_conditionals.RunConditionalsFor(label);
}

void LabelValues::DeliverTrigger(const std::string& untrimmed) {
  m_conditionals.MarkPendingContaining("{recdata}");
  m_conditionals.MarkPendingContaining("{rawdata}");
  const std::string value = Trimmed(untrimmed);
  m_conditionals.RunConditionalsFor("recdata");
  m_conditionals.RunConditionalsFor("rawdata");
  const auto matches = [&](const std::string& trigger) { return ExpandLabelRefs(trigger) == value; };
  for (int i = 0; i < m_doc.m_signallamps.Count(); ++i) {
    const SignalLampRecord& lamp = m_doc.m_signallamps[i];
    if (matches(lamp.ontext)) m_actions.TurnOnLampAction(i);
    if (matches(lamp.offtext)) m_actions.TurnOffLampAction(i);
    if (matches(lamp.toggletext)) m_actions.ToggleLampAction(i);
  }
  for (int i = 0; i < m_doc.m_eventcounters.Count(); ++i) {
    const EventCounterRecord& counter = m_doc.m_eventcounters[i];
    if (matches(counter.inctext)) m_actions.IncrementCounterAction(i);
    if (matches(counter.dectext)) m_actions.DecrementCounterAction(i);
    if (matches(counter.resettext)) m_actions.ResetCounterAction(i);
  }
  for (int i = 0; i < m_doc.m_eventtimers.Count(); ++i) {
    const EventTimerRecord& timer = m_doc.m_eventtimers[i];
    if (matches(timer.starttext)) m_actions.StartEventTimerAction(i);
    if (matches(timer.halttext)) m_actions.StopEventTimerAction(i);
    if (matches(timer.resettext)) m_actions.ResetEventTimerAction(i);
  }
}

template <class List>
void LabelValues::StoreGauges(List& list, ObjectKind kind, const std::string& label,
                              const std::string& value) {
  for (int i = 0; i < list.Count(); ++i) {
    auto& gauge = list[i];
    if (!LabelsEqual(gauge.idlabel, label)) continue;
    gauge.valuetext = value;
    if constexpr (requires { gauge.multiplier; }) {
      m_refresher.Refresh(gauge.valuetext, ConversionOf(gauge));
    } else if (!gauge.valuetext.empty() && !IsSpecial(gauge.valuetext)) {
      ValueConversion plain;
      plain.address = ModuleAddressOf(gauge.pollcommand);
      m_refresher.Refresh(gauge.valuetext, plain);
    }
    Invalidate(kind, i, gauge.page);
    if constexpr (requires { gauge.outputlabel; }) {
      if (!gauge.outputlabel.empty()) DeliverLabelValue(gauge.outputlabel, list[i].valuetext);
    }
  }
}

void LabelValues::StoreByLabel(const std::string& label, const std::string& value) {
  for (VariableRecord& variable : m_doc.m_variables) {
    if (!LabelsEqual(variable.idlabel, label)) continue;
    variable.valuetext = value;
    if (variable.valueformat == kVariableTimer && !IsSpecial(value)) RefreshVariableText(variable);
    m_doc.SetModifiedFlag();
  }
  for (int i = 0; i < m_doc.m_datawindows.Count(); ++i) {
    DataWindowRecord& window = m_doc.m_datawindows[i];
    if (!LabelsEqual(window.idlabel, label)) continue;
    window.valuetext = value;
    m_refresher.Refresh(window.valuetext, ConversionOf(window));
    Invalidate(ObjectKind::DataWindow, i, window.page);
  }
  for (int i = 0; i < m_doc.m_textwindows.Count(); ++i) {
    TextWindowRecord& window = m_doc.m_textwindows[i];
    if (!LabelsEqual(window.idlabel, label)) continue;
    window.valuetext = value;
    Invalidate(ObjectKind::TextWindow, i, window.page);
  }
  for (int i = 0; i < m_doc.m_inputwindows.Count(); ++i) {
    InputWindowRecord& window = m_doc.m_inputwindows[i];
    if (!LabelsEqual(window.idlabel, label)) continue;
    window.valuetext = CleanedOrError(value);
    Invalidate(ObjectKind::InputWindow, i, window.page);
  }
  StoreGauges(m_doc.m_levelgauges, ObjectKind::LevelGauge, label, value);
  StoreGauges(m_doc.m_dialgauges, ObjectKind::DialGauge, label, value);
  StoreGauges(m_doc.m_metergauges, ObjectKind::MeterGauge, label, value);
  StoreGauges(m_doc.m_vertgauges, ObjectKind::VerticalGauge, label, value);
  StoreGauges(m_doc.m_horzgauges, ObjectKind::HorizontalGauge, label, value);
  StoreGauges(m_doc.m_dualhandgauges, ObjectKind::DualHandGauge, label, value);
  StoreGauges(m_doc.m_windvanes, ObjectKind::WindVane, label, value);
  for (int i = 0; i < m_doc.m_pivottrackers.Count(); ++i) {
    const PivotTrackerRecord& tracker = m_doc.m_pivottrackers[i];
    if (!LabelsEqual(tracker.idlabel, label)) continue;
    m_state.Pivot(i).position = value;
    Invalidate(ObjectKind::PivotTracker, i, tracker.page);
  }
  for (int i = 0; i < m_doc.m_eventcounters.Count(); ++i) {
    EventCounterRecord& counter = m_doc.m_eventcounters[i];
    if (!LabelsEqual(counter.idlabel, label)) continue;
    counter.valuetext = IsSpecial(value) ? value : CleanedOrError(value);
    Invalidate(ObjectKind::EventCounter, i, counter.page);
  }
  for (int i = 0; i < m_doc.m_eventtimers.Count(); ++i) {
    EventTimerRecord& timer = m_doc.m_eventtimers[i];
    if (!LabelsEqual(timer.idlabel, label)) continue;
    if (IsSpecial(value)) {
      timer.valuetext = value;
    } else if (const std::optional<std::string> clean = CleanNumericText(value, NumberFormat::Time);
               !clean) {
      timer.valuetext = kErrorText;
    } else {
      NumberTexts numbers;
      const int32_t ms = numbers.ParseMilliText(*clean);
      if (numbers.m_overflow) {
        timer.valuetext = kOverflowText;
      } else {
        timer.elapsedms = ms;
        timer.valuetext = FormatDuration(ms, timer.timeformat);
      }
    }
    Invalidate(ObjectKind::EventTimer, i, timer.page);
  }
  for (int i = 0; i < m_doc.m_picontrollers.Count(); ++i) {
    PIControllerRecord& controller = m_doc.m_picontrollers[i];
    if (!LabelsEqual(controller.idlabel, label)) continue;
    controller.valuetext = value;
    m_refresher.Refresh(controller.valuetext, ConversionOf(controller));
    Invalidate(ObjectKind::PIController, i, controller.page);
  }
}

}  // namespace korvix
