#include "values/label_values.h"

#include "expressions/label_refs.h"
#include "texts/label_texts.h"
#include "texts/number_texts.h"

namespace korvix {
namespace {

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

template <class List>
const typename List::value_type* FindByLabel(const List& list, std::string_view label) {
  for (const auto& record : list) {
    if (LabelsEqual(record.idlabel, label)) return &record;
  }
  return nullptr;
}

}  // namespace

LabelValues::LabelValues(CKorvixDoc& doc, RunState& state, MessageSink& sink,
                         RunLoopControl& runloop, ObjectActions& actions, ScriptStarter& scripts,
                         RandomSource& random, LookupTables& lookups)
    : m_doc(doc),
      m_state(state),
      m_sink(sink),
      m_runloop(runloop),
      m_actions(actions),
      m_refresher(*this, random, lookups),
      m_conditionals(doc, *this, scripts, random) {}

void LabelValues::GetLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty) {
  out.clear();
  if (label.empty()) return;
  if (FindLabelValue(out, label, zeroIfEmpty) || FindReservedValue(out, label)) return;
  out = kErrorText;
  if (m_runloop.IsRunning()) ReportUnknownLabel(label);
}

bool LabelValues::FindLabelValue(std::string& out, std::string_view label, bool zeroIfEmpty) {
  const auto numeric = [&](const std::string& text, int base, const std::string* zeroshape) {
    out = zeroshape && zeroIfEmpty && text.empty() ? ZeroTextLike(*zeroshape)
                                                   : AsDecimal(text, base);
    return true;
  };
  if (const auto* v = FindByLabel(m_doc.m_variables, label)) return out = v->valuetext, true;
  if (const auto* d = FindByLabel(m_doc.m_datawindows, label)) {
    return numeric(d->valuetext, d->outputbase, &d->offset);
  }
  if (const auto* t = FindByLabel(m_doc.m_textwindows, label)) return out = t->valuetext, true;
  if (const auto* i = FindByLabel(m_doc.m_inputwindows, label)) return out = i->valuetext, true;
  if (const auto* g = FindByLabel(m_doc.m_levelgauges, label)) {
    return numeric(g->valuetext, g->outputbase, &g->offset);
  }
  if (const auto* g = FindByLabel(m_doc.m_dialgauges, label)) return numeric(g->valuetext, g->outputbase, nullptr);
  if (const auto* g = FindByLabel(m_doc.m_metergauges, label)) return numeric(g->valuetext, g->outputbase, nullptr);
  if (const auto* g = FindByLabel(m_doc.m_vertgauges, label)) return numeric(g->valuetext, g->outputbase, nullptr);
  if (const auto* g = FindByLabel(m_doc.m_horzgauges, label)) return numeric(g->valuetext, g->outputbase, nullptr);
  if (const auto* g = FindByLabel(m_doc.m_dualhandgauges, label)) return out = g->valuetext, true;
  if (const auto* w = FindByLabel(m_doc.m_windvanes, label)) return out = w->valuetext, true;

  static constexpr const char* kPivotSuffixes[] = {"", ".run", ".water", ".sis"};
  for (int pass = 0; pass < 4; ++pass) {
    for (int i = 0; i < m_doc.m_pivottrackers.Count(); ++i) {
      if (!LabelsEqual(m_doc.m_pivottrackers[i].idlabel + kPivotSuffixes[pass], label)) continue;
      const PivotTexts& texts = m_state.Pivot(i);
      const std::string* parts[] = {&texts.position, &texts.run, &texts.water, &texts.sis};
      out = *parts[pass];
      return true;
    }
  }
  if (const auto* l = FindByLabel(m_doc.m_signallamps, label)) return out = l->valuetext, true;
  if (const auto* c = FindByLabel(m_doc.m_eventcounters, label)) return out = c->valuetext, true;
  if (const auto* t = FindByLabel(m_doc.m_eventtimers, label)) return out = t->valuetext, true;
  if (const auto* a = FindByLabel(m_doc.m_buttonarrays, label)) {
    for (const ButtonArrayButton& button : a->buttons) {
      if (button.isdown) return out = button.title, true;
    }
    return true;
  }
  if (const auto* p = FindByLabel(m_doc.m_picontrollers, label)) {
    return numeric(p->valuetext, 0, &p->offset);
  }
  return false;
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

std::string LabelValues::ExpandLabelRefs(std::string_view text) {
  return korvix::ExpandLabelRefs(text, *this);
}

void LabelValues::SetMessageColours(const std::string& label, int foreground, int background) {
  for (int i = 0; i < m_doc.m_datawindows.Count(); ++i) {
    DataWindowRecord& window = m_doc.m_datawindows[i];
    if (!LabelsEqual(window.idlabel, label)) continue;
    if (window.runcolor1 == foreground && window.runcolor2 == background) continue;
    window.runcolor1 = foreground;
    window.runcolor2 = background;
    Invalidate(ObjectKind::DataWindow, i, window.page);
  }
  for (int i = 0; i < m_doc.m_textwindows.Count(); ++i) {
    TextWindowRecord& window = m_doc.m_textwindows[i];
    if (!LabelsEqual(window.idlabel, label)) continue;
    if (window.curtextcolor == foreground && window.curbgcolor == background) continue;
    window.curtextcolor = foreground;
    window.curbgcolor = background;
    Invalidate(ObjectKind::TextWindow, i, window.page);
  }
}

void LabelValues::Invalidate(ObjectKind kind, int index, int page) {
  if (OnCurrentPage(page)) m_actions.InvalidateObject(kind, index);
}

}  // namespace korvix
