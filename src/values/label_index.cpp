#include "values/label_index.h"

#include "expressions/label_refs.h"

namespace korvix {
namespace {

template <class List>
void AddAll(std::unordered_map<std::string, LabelIndex::Records>& map, const List& list,
            LabelledKind kind, const char* suffix = "") {
  for (int i = 0; i < list.Count(); ++i) {
    const std::string key = LabelIndex::Key(list[i].idlabel + suffix);
    if (!key.empty()) map[key][static_cast<size_t>(kind)].push_back(i);
  }
}

}  // namespace

std::string LabelIndex::Key(std::string_view label) { return LabelKey(label); }

std::array<int, kLabelledKinds> LabelIndex::Counts(const CKorvixDoc& doc) {
  const int pivots = doc.m_pivottrackers.Count();
  return {doc.m_variables.Count(),     doc.m_datawindows.Count(),   doc.m_textwindows.Count(),
          doc.m_inputwindows.Count(),  doc.m_levelgauges.Count(),   doc.m_dialgauges.Count(),
          doc.m_metergauges.Count(),   doc.m_vertgauges.Count(),    doc.m_horzgauges.Count(),
          doc.m_dualhandgauges.Count(), doc.m_windvanes.Count(),    pivots,
          pivots,                      pivots,                      pivots,
          doc.m_signallamps.Count(),   doc.m_eventcounters.Count(), doc.m_eventtimers.Count(),
          doc.m_buttonarrays.Count(),  doc.m_picontrollers.Count()};
}

void LabelIndex::Build(const CKorvixDoc& doc) {
  m_records.clear();
  AddAll(m_records, doc.m_variables, LabelledKind::Variable);
  AddAll(m_records, doc.m_datawindows, LabelledKind::DataWindow);
  AddAll(m_records, doc.m_textwindows, LabelledKind::TextWindow);
  AddAll(m_records, doc.m_inputwindows, LabelledKind::InputWindow);
  AddAll(m_records, doc.m_levelgauges, LabelledKind::LevelGauge);
  AddAll(m_records, doc.m_dialgauges, LabelledKind::DialGauge);
  AddAll(m_records, doc.m_metergauges, LabelledKind::MeterGauge);
  AddAll(m_records, doc.m_vertgauges, LabelledKind::VerticalGauge);
  AddAll(m_records, doc.m_horzgauges, LabelledKind::HorizontalGauge);
  AddAll(m_records, doc.m_dualhandgauges, LabelledKind::DualHandGauge);
  AddAll(m_records, doc.m_windvanes, LabelledKind::WindVane);
  AddAll(m_records, doc.m_pivottrackers, LabelledKind::PivotTracker);
  AddAll(m_records, doc.m_pivottrackers, LabelledKind::PivotRun, ".run");
  AddAll(m_records, doc.m_pivottrackers, LabelledKind::PivotWater, ".water");
  AddAll(m_records, doc.m_pivottrackers, LabelledKind::PivotSis, ".sis");
  AddAll(m_records, doc.m_signallamps, LabelledKind::SignalLamp);
  AddAll(m_records, doc.m_eventcounters, LabelledKind::EventCounter);
  AddAll(m_records, doc.m_eventtimers, LabelledKind::EventTimer);
  AddAll(m_records, doc.m_buttonarrays, LabelledKind::ButtonArray);
  AddAll(m_records, doc.m_picontrollers, LabelledKind::PIController);
  m_counts = Counts(doc);
  m_built = true;
}

bool LabelIndex::Usable(const CKorvixDoc& doc) const { return m_built && m_counts == Counts(doc); }

const LabelIndex::Records* LabelIndex::Find(std::string_view label) const {
  const auto found = m_records.find(Key(label));
  return found == m_records.end() ? nullptr : &found->second;
}

}  // namespace korvix
