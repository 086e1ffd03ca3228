#include <optional>

#include "expressions/label_refs.h"
#include "texts/label_texts.h"
#include "texts/number_texts.h"
#include "values/label_values.h"
#include "values/value_conversion.h"

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

// An Event Timer shows a delivered duration in its own time format.
void StoreTimer(EventTimerRecord& timer, const std::string& value) {
  if (IsSpecial(value)) {
    timer.valuetext = value;
    return;
  }
  const std::optional<std::string> clean = CleanNumericText(value, NumberFormat::Time);
  if (!clean) {
    timer.valuetext = kErrorText;
    return;
  }
  NumberTexts numbers;
  const int32_t ms = numbers.ParseMilliText(*clean);
  if (numbers.m_overflow) {
    timer.valuetext = kOverflowText;
    return;
  }
  timer.elapsedms = ms;
  timer.valuetext = FormatDuration(ms, timer.timeformat);
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
  // Outside a run the expressions may be edited at any time.
  if (!m_runloop.IsRunning()) m_conditionals.DropIndex();
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

template <ScreenObjectKind K>
void LabelValues::StoreReadings(const std::string& label, const std::string& value, const LabelHits& hits) {
  auto& list = ListOf<K>(m_doc);
  ForEachWithLabel(list, LabelSlot(K), label, hits, [&](int i) {
    auto& object = list[i];
    object.valuetext = value;
    m_refresher.Refresh(object.valuetext, ConversionOf(object));
    if constexpr (requires { object.sensorto; }) m_state.PIController(i).fresh = 1;
    Invalidate(K, i, object.page);
    const std::string& forward = ForwardLabelOf(object);
    if (!forward.empty()) {
      // Copies: the delivery may come back round to this object.
      const std::string target = forward;
      const std::string reading = object.valuetext;
      DeliverLabelValue(target, reading);
    }
    return true;
  });
}

void LabelValues::StoreByLabel(const std::string& label, const std::string& value) {
  const LabelHits hits = Hits(label);
  ForEachWithLabel(m_doc.m_variables, kVariableLabelSlot, label, hits, [&](int i) {
    VariableRecord& variable = m_doc.m_variables[i];
    variable.valuetext = value;
    if (variable.valueformat == kVariableTimer && !IsSpecial(value)) RefreshVariableText(variable);
    m_doc.SetModifiedFlag();
    return true;
  });
  ForEachWithLabel(m_doc.m_datawindows, LabelSlot(ScreenObjectKind::DataWindow), label, hits, [&](int i) {
    DataWindowRecord& window = m_doc.m_datawindows[i];
    window.valuetext = value;
    m_refresher.Refresh(window.valuetext, ConversionOf(window));
    Invalidate(ScreenObjectKind::DataWindow, i, window.page);
    return true;
  });
  ForEachWithLabel(m_doc.m_textwindows, LabelSlot(ScreenObjectKind::TextWindow), label, hits, [&](int i) {
    m_doc.m_textwindows[i].valuetext = value;
    Invalidate(ScreenObjectKind::TextWindow, i, m_doc.m_textwindows[i].page);
    return true;
  });
  ForEachWithLabel(m_doc.m_inputwindows, LabelSlot(ScreenObjectKind::InputWindow), label, hits, [&](int i) {
    m_doc.m_inputwindows[i].valuetext = CleanedOrError(value);
    Invalidate(ScreenObjectKind::InputWindow, i, m_doc.m_inputwindows[i].page);
    return true;
  });
  StoreReadings<ScreenObjectKind::LevelGauge>(label, value, hits);
  StoreReadings<ScreenObjectKind::DialGauge>(label, value, hits);
  StoreReadings<ScreenObjectKind::MeterGauge>(label, value, hits);
  StoreReadings<ScreenObjectKind::VerticalGauge>(label, value, hits);
  StoreReadings<ScreenObjectKind::HorizontalGauge>(label, value, hits);
  StoreReadings<ScreenObjectKind::DualHandGauge>(label, value, hits);
  StoreReadings<ScreenObjectKind::WindVane>(label, value, hits);
  ForEachWithLabel(m_doc.m_pivottrackers, LabelSlot(ScreenObjectKind::PivotTracker), label, hits, [&](int i) {
    m_state.Pivot(i).position = value;
    Invalidate(ScreenObjectKind::PivotTracker, i, m_doc.m_pivottrackers[i].page);
    return true;
  });
  ForEachWithLabel(m_doc.m_eventcounters, LabelSlot(ScreenObjectKind::EventCounter), label, hits, [&](int i) {
    m_doc.m_eventcounters[i].valuetext = IsSpecial(value) ? value : CleanedOrError(value);
    Invalidate(ScreenObjectKind::EventCounter, i, m_doc.m_eventcounters[i].page);
    return true;
  });
  ForEachWithLabel(m_doc.m_eventtimers, LabelSlot(ScreenObjectKind::EventTimer), label, hits, [&](int i) {
    StoreTimer(m_doc.m_eventtimers[i], value);
    Invalidate(ScreenObjectKind::EventTimer, i, m_doc.m_eventtimers[i].page);
    return true;
  });
  StoreReadings<ScreenObjectKind::PIController>(label, value, hits);
}

}  // namespace korvix
