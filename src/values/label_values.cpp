#include "values/label_values.h"

#include "expressions/label_refs.h"
#include "texts/label_texts.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

constexpr auto& kPivotLabels = KindTraits<ScreenObjectKind::PivotTracker>::kValueLabels;

constexpr const char* kIllegalOperationCaption = "Illegal Operation";
constexpr const char* kUnknownLabelStart = "An attempt to use Object ID Label \r";
constexpr const char* kUnknownLabelEnd = " which does not exist. \rKorvix will now exit Run-Loop.";

// Hexadecimal and binary values read as decimal text; others as they are.
std::string AsDecimal(const std::string& text, int base) {
  if ((base != 1 && base != 2) || text.empty() || text == kErrorText || text == kOverflowText) {
    return text;
  }
  NumberTexts numbers;
  const int32_t n = base == 1 ? numbers.ParseHexText(text) : numbers.ParseBinaryText(text);
  return FormatNumberText(n, 0);
}

}  // namespace

LabelValues::LabelValues(CKorvixDoc& doc, RunState& state, MessageSink& sink, RunLoopControl& runloop,
                         ObjectActions& actions, ScriptStarter& scripts, RandomSource& random, LookupTables& lookups)
    : m_doc(doc),
      m_state(state),
      m_sink(sink),
      m_runloop(runloop),
      m_actions(actions),
      m_refresher(*this, random, lookups),
      m_conditionals(doc, *this, scripts, random) {}

LabelValues::LabelHits LabelValues::Hits(std::string_view label) {
  if (!m_runloop.IsRunning()) return {};
  if (!m_index.Usable(m_doc)) m_index.Build(m_doc);
  return {true, m_index.Find(label)};
}

void LabelValues::GetLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty) {
  out.clear();
  if (label.empty()) return;
  if (FindLabelValue(out, label, zeroIfEmpty, Hits(label)) || FindReservedValue(out, label)) return;
  out = kErrorText;
  if (m_runloop.IsRunning()) ReportUnknownLabel(label);
}

bool LabelValues::FindLabelValueQuietly(std::string& out, std::string_view label) {
  out.clear();
  if (label.empty()) return false;
  return FindLabelValue(out, label, false, Hits(label)) || FindReservedValue(out, label);
}

bool LabelValues::FindLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty, const LabelHits& hits) {
  bool found = false;
  // The first record of the kind with the label gives `read(record)`.
  const auto first = [&](auto& list, int slot, auto read, const char* suffix = "") {
    if (found) return;
    ForEachWithLabel(
        list, slot, label, hits,
        [&](int i) {
          out = read(list[i], i);
          found = true;
          return false;
        },
        suffix);
  };
  const auto shown = [](const auto& record, int) { return record.valuetext; };
  // Hexadecimal and binary values read as decimal; an empty one, where
  // asked, as a zero shaped like the offset.
  const auto numeric = [&](bool zerorule) {
    return [&, zerorule](const auto& record, int) {
      if (zerorule && zeroIfEmpty && record.valuetext.empty()) return ZeroTextLike(record.offset);
      if constexpr (requires { record.outputbase; }) {
        return AsDecimal(record.valuetext, record.outputbase);
      }
      return record.valuetext;
    };
  };
  first(m_doc.m_variables, kVariableLabelSlot, shown);
  first(m_doc.m_datawindows, LabelSlot(ScreenObjectKind::DataWindow), numeric(true));
  first(m_doc.m_textwindows, LabelSlot(ScreenObjectKind::TextWindow), shown);
  first(m_doc.m_inputwindows, LabelSlot(ScreenObjectKind::InputWindow), shown);
  first(m_doc.m_levelgauges, LabelSlot(ScreenObjectKind::LevelGauge), numeric(true));
  first(m_doc.m_dialgauges, LabelSlot(ScreenObjectKind::DialGauge), numeric(false));
  first(m_doc.m_metergauges, LabelSlot(ScreenObjectKind::MeterGauge), numeric(false));
  first(m_doc.m_vertgauges, LabelSlot(ScreenObjectKind::VerticalGauge), numeric(false));
  first(m_doc.m_horzgauges, LabelSlot(ScreenObjectKind::HorizontalGauge), numeric(false));
  first(m_doc.m_dualhandgauges, LabelSlot(ScreenObjectKind::DualHandGauge), shown);
  first(m_doc.m_windvanes, LabelSlot(ScreenObjectKind::WindVane), shown);
  first(m_doc.m_pivottrackers, LabelSlot(ScreenObjectKind::PivotTracker),
        [&](const auto&, int i) { return m_state.Pivot(i).position; });
  first(
      m_doc.m_pivottrackers, LabelSlot(ScreenObjectKind::PivotTracker, 1),
      [&](const auto&, int i) { return m_state.Pivot(i).run; }, kPivotLabels[1]);
  first(
      m_doc.m_pivottrackers, LabelSlot(ScreenObjectKind::PivotTracker, 2),
      [&](const auto&, int i) { return m_state.Pivot(i).water; }, kPivotLabels[2]);
  first(
      m_doc.m_pivottrackers, LabelSlot(ScreenObjectKind::PivotTracker, 3),
      [&](const auto&, int i) { return m_state.Pivot(i).sis; }, kPivotLabels[3]);
  first(m_doc.m_signallamps, LabelSlot(ScreenObjectKind::SignalLamp), shown);
  first(m_doc.m_eventcounters, LabelSlot(ScreenObjectKind::EventCounter), shown);
  first(m_doc.m_eventtimers, LabelSlot(ScreenObjectKind::EventTimer), shown);
  first(m_doc.m_buttonarrays, LabelSlot(ScreenObjectKind::ButtonArray), [](const auto& array, int) {
    for (const ButtonArrayButton& button : array.buttons) {
      if (button.isdown) return button.title;
    }
    return std::string();
  });
  first(m_doc.m_picontrollers, LabelSlot(ScreenObjectKind::PIController), numeric(true));
  return found;
}

bool LabelValues::FindReservedValue(std::string& out, std::string_view label) {
  const ClockTexts& clock = m_state.m_clock;
  const std::string& time = clock.m_timeseconds;
  const std::string& date = clock.m_datetext;
  const auto tail = [](const std::string& text) { return text.substr(text.size() - 2); };
  if (LabelsEqual(label, "recdata")) {
    out = m_state.m_recdata;
  } else if (LabelsEqual(label, "rawdata")) {
    out = m_state.m_rawdata;
  } else if (LabelsEqual(label, "systemtime")) {
    out = time;
  } else if (LabelsEqual(label, "systemhour")) {
    out = time.substr(0, 2);
  } else if (LabelsEqual(label, "systemmin")) {
    out = time.substr(3, 2);
  } else if (LabelsEqual(label, "systemsec")) {
    out = tail(time);
  } else if (LabelsEqual(label, "systemdate")) {
    out = date;
  } else if (LabelsEqual(label, "systemyear")) {
    out = "20" + tail(date);
  } else if (LabelsEqual(label, "systemmonth")) {
    out = date.substr(0, 2);
  } else if (LabelsEqual(label, "systemday")) {
    out = date.substr(3, 2);
  } else if (LabelsEqual(label, "systemdow")) {
    out = clock.m_dowtext;
  } else {
    return false;
  }
  return true;
}

void LabelValues::ReportUnknownLabel(std::string_view label) {
  m_sink.Show(kIllegalOperationCaption,
              std::string(kUnknownLabelStart) + "\"" + std::string(label) + "\"" + kUnknownLabelEnd,
              MessageIcon::Warning);
  m_runloop.RequestHalt();
}

std::string LabelValues::ExpandLabelRefs(std::string_view text) { return korvix::ExpandLabelRefs(text, *this); }

void LabelValues::SetMessageColours(const std::string& label, int foreground, int background) {
  const LabelHits hits = Hits(label);
  ForEachWithLabel(m_doc.m_datawindows, LabelSlot(ScreenObjectKind::DataWindow), label, hits, [&](int i) {
    DataWindowRecord& window = m_doc.m_datawindows[i];
    if (window.runcolor1 != foreground || window.runcolor2 != background) {
      window.runcolor1 = foreground;
      window.runcolor2 = background;
      Invalidate(ScreenObjectKind::DataWindow, i, window.page);
    }
    return true;
  });
  ForEachWithLabel(m_doc.m_textwindows, LabelSlot(ScreenObjectKind::TextWindow), label, hits, [&](int i) {
    TextWindowRecord& window = m_doc.m_textwindows[i];
    if (window.curtextcolor != foreground || window.curbgcolor != background) {
      window.curtextcolor = foreground;
      window.curbgcolor = background;
      Invalidate(ScreenObjectKind::TextWindow, i, window.page);
    }
    return true;
  });
}

void LabelValues::Invalidate(ScreenObjectKind kind, int index, int page) {
  if (OnCurrentPage(page)) m_actions.InvalidateObject(kind, index);
}

}  // namespace korvix
