#include "properties/name_list.h"

#include <algorithm>

#include "document/kind_traits.h"
#include "texts/label_texts.h"
#include "values/value_refresh.h"

namespace korvix {
namespace {

constexpr const char* kPivotLampSuffixes[] = {".run", ".water", ".sis"};

char FoldLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool SortsBefore(std::string_view a, std::string_view b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return static_cast<unsigned char>(FoldLower(x)) < static_cast<unsigned char>(FoldLower(y));
  });
}

// The label of an entry line, without its TAB and its line end.
std::string_view EntryName(std::string_view line) {
  if (!line.empty() && line.front() == kNameListEntryStart) line.remove_prefix(1);
  if (!line.empty() && line.back() == kNameListLineEnd) line.remove_suffix(1);
  return line;
}

template <class List>
void AddLabels(std::vector<std::string_view>& labels, const List& list) {
  for (const auto& record : list) labels.push_back(record.idlabel);
}

void AddVariablesOfFormat(std::vector<std::string_view>& labels, const VariableList& variables, int format) {
  for (const VariableRecord& variable : variables) {
    if (variable.valueformat == format) labels.push_back(variable.idlabel);
  }
}

std::vector<std::string> PivotLampNames(const PivotTrackerList& trackers) {
  std::vector<std::string> names;
  for (const PivotTrackerRecord& tracker : trackers) {
    for (const char* suffix : kPivotLampSuffixes) names.push_back(tracker.idlabel + suffix);
  }
  return names;
}

void AppendHeader(std::string& list, std::string_view header) {
  list += header;
  list += kNameListLineEnd;
}

// The sort keeps equal labels in document order, as the user placed them.
void AppendEntries(std::string& list, std::vector<std::string_view> labels, bool sorted) {
  if (sorted) std::stable_sort(labels.begin(), labels.end(), SortsBefore);
  for (const std::string_view label : labels) {
    list += kNameListEntryStart;
    list += label;
    list += kNameListLineEnd;
  }
}

template <class List>
void AppendKind(std::string& list, std::string_view header, const List& records) {
  if (records.Count() == 0) return;
  AppendHeader(list, header);
  std::vector<std::string_view> labels;
  AddLabels(labels, records);
  AppendEntries(list, std::move(labels), true);
}

template <ScreenObjectKind K>
std::string KindHeader() {
  return "<" + std::string(KindTraits<K>::kPluralName) + ">";
}

template <ScreenObjectKind K>
void AppendKind(std::string& list, const CKorvixDoc& doc) {
  AppendKind(list, KindHeader<K>(), ListOf<K>(doc));
}

void AppendTally(std::string& list, std::string_view header, const std::vector<std::string_view>& labels) {
  if (labels.empty()) return;
  AppendHeader(list, header);
  AppendEntries(list, labels, true);
}

}  // namespace

std::string BuildNameList(const CKorvixDoc& doc) {
  std::string list;
  AppendKind<ScreenObjectKind::DataWindow>(list, doc);
  AppendKind<ScreenObjectKind::TextWindow>(list, doc);
  AppendKind<ScreenObjectKind::InputWindow>(list, doc);
  AppendKind<ScreenObjectKind::LevelGauge>(list, doc);
  AppendKind<ScreenObjectKind::DialGauge>(list, doc);
  AppendKind<ScreenObjectKind::MeterGauge>(list, doc);
  AppendKind<ScreenObjectKind::VerticalGauge>(list, doc);
  AppendKind<ScreenObjectKind::HorizontalGauge>(list, doc);
  AppendKind<ScreenObjectKind::DualHandGauge>(list, doc);
  AppendKind<ScreenObjectKind::WindVane>(list, doc);
  AppendKind<ScreenObjectKind::PivotTracker>(list, doc);

  if (doc.m_signallamps.Count() > 0 || doc.m_pivottrackers.Count() > 0) {
    AppendHeader(list, KindHeader<ScreenObjectKind::SignalLamp>());
    std::vector<std::string_view> lamps;
    AddLabels(lamps, doc.m_signallamps);
    AppendEntries(list, std::move(lamps), true);
    const std::vector<std::string> pivotlamps = PivotLampNames(doc.m_pivottrackers);
    AppendEntries(list, {pivotlamps.begin(), pivotlamps.end()}, true);
  }

  std::vector<std::string_view> counters;
  AddLabels(counters, doc.m_eventcounters);
  AddVariablesOfFormat(counters, doc.m_variables, kVariableCounter);
  AppendTally(list, KindHeader<ScreenObjectKind::EventCounter>(), counters);
  std::vector<std::string_view> timers;
  AddLabels(timers, doc.m_eventtimers);
  AddVariablesOfFormat(timers, doc.m_variables, kVariableTimer);
  AppendTally(list, KindHeader<ScreenObjectKind::EventTimer>(), timers);

  AppendKind<ScreenObjectKind::ButtonArray>(list, doc);
  AppendKind<ScreenObjectKind::PIController>(list, doc);
  AppendKind(list, "<Variables>", doc.m_variables);

  AppendHeader(list, "<Global Variables>");
  AppendEntries(list, {kGlobalVariableNames.begin(), kGlobalVariableNames.end()}, false);

  AppendKind<ScreenObjectKind::ChartRecorder>(list, doc);

  // Every Conditional owns one action Script; only Scripts beyond those can
  // be ones the user wrote.
  if (doc.m_scripts.Count() > doc.m_conditionals.Count()) {
    AppendHeader(list, "<Scripts>");
    std::vector<std::string_view> scripts;
    for (const ScriptRecord& script : doc.m_scripts) {
      if (script.idlabel.empty() || script.idlabel.back() != kActionScriptMarker) {
        scripts.push_back(script.idlabel);
      }
    }
    AppendEntries(list, std::move(scripts), true);
  }
  return list;
}

std::string SortNameEntries(std::string_view run) {
  std::vector<std::string_view> lines;
  while (!run.empty()) {
    const size_t end = std::min(run.find(kNameListLineEnd), run.size() - 1);
    lines.push_back(run.substr(0, end + 1));
    run.remove_prefix(end + 1);
  }
  std::stable_sort(lines.begin(), lines.end(),
                   [](std::string_view a, std::string_view b) { return SortsBefore(EntryName(a), EntryName(b)); });
  std::string sorted;
  for (const std::string_view line : lines) sorted += line;
  return sorted;
}

std::vector<std::string> ChartRecorderNameOffers(const CKorvixDoc& doc, int recorder) {
  const ChartRecorderFieldList& fields = doc.m_chartrecorders[recorder].fields;
  std::vector<std::string_view> labels;
  for (const VariableRecord& variable : doc.m_variables) {
    if (variable.valueformat != kVariableText) labels.push_back(variable.idlabel);
  }
  AddLabels(labels, doc.m_datawindows);
  AddLabels(labels, doc.m_inputwindows);
  AddLabels(labels, doc.m_levelgauges);
  AddLabels(labels, doc.m_dialgauges);
  AddLabels(labels, doc.m_metergauges);
  AddLabels(labels, doc.m_vertgauges);
  AddLabels(labels, doc.m_horzgauges);
  AddLabels(labels, doc.m_dualhandgauges);
  AddLabels(labels, doc.m_windvanes);
  AddLabels(labels, doc.m_pivottrackers);
  const std::vector<std::string> pivotlamps = PivotLampNames(doc.m_pivottrackers);
  labels.insert(labels.end(), pivotlamps.begin(), pivotlamps.end());
  AddLabels(labels, doc.m_signallamps);
  AddLabels(labels, doc.m_eventcounters);
  AddLabels(labels, doc.m_eventtimers);
  AddLabels(labels, doc.m_picontrollers);

  std::vector<std::string> offers;
  for (const std::string_view label : labels) {
    const bool taken = std::any_of(fields.begin(), fields.end(),
                                   [label](const auto& field) { return LabelsEqual(field.label, label); });
    if (!taken) offers.emplace_back(label);
  }
  return offers;
}

}  // namespace korvix
